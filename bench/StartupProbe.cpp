// Loaded into a Qt program with LD_PRELOAD. Once the program's first window has been exposed and
// its event loop is about to wait for input, the program is ready for its user: the probe then
// writes the monotonic clock to standard error and ends the event loop, so that the process
// that started the program can take the time from its start and the peak memory on exit.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include <cstdio>
#include <ctime>

namespace {

class ReadyProbe : public QObject {
public:
    explicit ReadyProbe(QObject *parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !exposed_) {
            exposed_ = true;
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
                    &ReadyProbe::reportReady);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void reportReady()
    {
        disconnect(QAbstractEventDispatcher::instance(), nullptr, this, nullptr);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::fprintf(stderr, "startup-probe ready %lld\n",
                     static_cast<long long>(now.tv_sec) * 1000000000LL + static_cast<long long>(now.tv_nsec));
        std::fflush(stderr);
        QCoreApplication::exit(0);
    }

    bool exposed_ = false;
};

void installReadyProbe()
{
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new ReadyProbe(application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installReadyProbe)
