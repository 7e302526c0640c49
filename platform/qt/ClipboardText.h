#pragma once

class QString;

// Replaces the clipboard's content with the text, as plain text only. False when there is no
// clipboard or it did not take the text.
bool putTextOnClipboard(const QString &text);
