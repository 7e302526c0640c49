#include "ClipboardText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

bool putTextOnClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->setText(text, QClipboard::Clipboard);
    // The platform may refuse the ownership silently; reading back is the only way to know.
    return clipboard->text(QClipboard::Clipboard) == text;
}
