#include "core/YorraClockIni.h"
#include "core/YorraTime.h"
#include "platform/ApplicationIcon.h"
#include "platform/MessageBox.h"
#include "platform/QtSoundDevice.h"
#include "platform/SingleInstance.h"
#include "core/SystemClock.h"
#include "platform/TerminationSignals.h"
#include "storage/YorraClockPathAndFile.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("よらぴぃーでーえー"));
    const std::string folder = TYorraClockPathAndFile::GetProgramFolder();
    QApplication::setWindowIcon(ApplicationIcon(folder));
    TQtSoundDevice sound;
    TYorraClockIni ini(folder, sound);
    TQtMessageBox messages;

    // One copy per executable file name; a copy under another name runs beside it.
    TSingleInstanceLock instance(
        QFileInfo(QApplication::applicationFilePath()).fileName().toStdString());
    if (!instance.Acquired()) {
        messages.Show(nullptr, QStringLiteral("よらぴぃーでーえーは既に起動中です"),
                      TMsgType::Error, TMsgButtons::Ok);
        return 0;
    }
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
    TTerminationSignals termination;
    QObject::connect(&termination, &TTerminationSignals::terminationRequested, &label,
                     &QWidget::close);
    label.show();
    return app.exec();
}
