// Before Qt 6.8 there is no announcement: a notification that appears is what readers speak (Orca on
// AT-SPI reads its name when it is shown), so the widget, a notification to assistive technology,
// is named by the words and shown anew.
#include "announcer.h"

void Announcer::say(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}
