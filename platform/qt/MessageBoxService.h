#pragma once

class QString;
class QWidget;

// Shows the program's modal messages. The window receives one from its creator, so tests can
// record messages instead of blocking on a real box.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;

    // A modal box over the parent with the exclamation icon and a single OK button; returns once
    // the user has closed it.
    virtual void showExclamation(QWidget *parent, const QString &text, const QString &title) = 0;
};
