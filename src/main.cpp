#include "core/YorraClockIni.h"
#include "core/YorraTime.h"
#include "platform/QtSoundDevice.h"
#include "platform/SystemClock.h"
#include "storage/YorraClockPathAndFile.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("よらぴぃーでーえー"));
    const std::string folder = TYorraClockPathAndFile::GetProgramFolder();
    TQtSoundDevice sound;
    TYorraClockIni ini(folder, sound);
    TSystemClock clock;

    QLabel label;
    label.setWindowTitle(QApplication::applicationName());
    label.setAlignment(Qt::AlignCenter);
    label.setMinimumSize(257, 57);
    QFont font = label.font();
    font.setPixelSize(21);
    font.setBold(true);
    label.setFont(font);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const TYorraTimeInfo t = ComputeYorraTime(clock.Now(), ini.PlusYooraMin());
        const QString text = QString::fromLatin1(t.ClockText().data(), 5);
        if (label.text() != text)
            label.setText(text);
    });
    timer.start(50);
    label.show();
    return app.exec();
}
