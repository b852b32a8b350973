// Qt 6.8 and later announce to assistive technology (AT-SPI's announcement, UI Automation's
// notification), politely: after what the reader is saying.
#include "announcer.h"

#include <QAccessible>

void Announcer::say(const QString& text)
{
    QAccessibleAnnouncementEvent event(window(), text);
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
}
