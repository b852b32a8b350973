// What assistive technology sees of the program's own widgets: the main window as a frame named by
// its caption (a plain top-level QWidget is only a filler), the explanation panel's printed lines
// as its text, and the announcer as a notification.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// An accessibility factory for QAccessible::installFactory.
QAccessibleInterface* accessibleWidget(const QString& className, QObject* object);
