#pragma once
// Help tags (Qt's tooltips) at a readable width. Qt shows a plain-text tooltip as one line,
// however long: a two-sentence help tag becomes a strip across the screen, pushed away from the
// pointer when it does not fit beside it. Framework-internal: it speaks Qt.
#include <QString>

class QFont;

namespace fw {

// text broken into lines of about forty to sixty of its characters, never wider than room: a
// paragraph takes as few lines as that allows, made as even as they can be; words are split only
// where a word alone is wider than room. Line breaks already in the text stay.
QString WrapHelpTag(const QString& text, const QFont& font, int room);

// From now on every plain-text tooltip of the application shows wrapped, within the free room of
// the screen under the pointer and beside the pointer, where Qt places tips. The widgets keep
// their texts. Call once the application object exists.
void WrapHelpTags();

}  // namespace fw
