// Lets assistive technology read the explanation panel's printed lines as its text.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// An accessibility factory for QAccessible::installFactory.
QAccessibleInterface* explanationPanelAccessible(const QString& className, QObject* object);
