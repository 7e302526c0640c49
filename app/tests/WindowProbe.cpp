// Grabs a top-level X window by the id that xdotool prints and reports its size and the row on
// which the main window's dark-blue double rule, the client area's top edge, begins:
//     size 378x248 client-top 19
// With a second argument it also saves the grab as a PNG. Exit status 1 when there is no rule.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>

namespace {

// Both ends of the rule must be inked, which no menu or control text on that row would do.
int ruleRow(const QImage &shot)
{
    const QColor rule(0, 0, 153);
    for (int y = 0; y < shot.height(); ++y) {
        if (shot.pixelColor(3, y) == rule && shot.pixelColor(shot.width() - 4, y) == rule)
            return y;
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const auto window = static_cast<WId>(QByteArray(argv[1]).toULongLong());
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window).toImage();
    if (argc > 2 && !shot.save(QString::fromLocal8Bit(argv[2])))
        return 1;

    const int top = ruleRow(shot);
    QTextStream(stdout) << "size " << shot.width() << 'x' << shot.height() << " client-top " << top << '\n';
    return top < 0 ? 1 : 0;
}
