#include "app/ui/YorraClockMainForm.h"
#include "core/SharedFlags.h"
#include "core/SystemClock.h"
#include "core/YorraClockIni.h"
#include "platform/ApplicationIcon.h"
#include "platform/MessageBox.h"
#include "platform/QtSoundDevice.h"
#include "platform/SingleInstance.h"
#include "platform/TerminationSignals.h"
#include "platform/XdgUserFolders.h"
#include "schedule/RotationList.h"
#include "storage/YorraClockPathAndFile.h"

#include <QApplication>
#include <QFileInfo>
#include <iostream>
#include <optional>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QString title = QStringLiteral("よらぴぃーでーえー");
    const std::string folder = TYorraClockPathAndFile::GetProgramFolder();
    TQtMessageBox messages;
    TQtSoundDevice sound;
    TXdgUserFolders userFolders;
    TSystemClock clock;

    // The program-wide objects, in their order.
    std::optional<TYorraClockIni> ini;
    try {
        ini.emplace(folder, sound);
    } catch (const std::exception& e) {
        messages.Show(nullptr, QString::fromStdString(e.what()), TMsgType::Error, TMsgButtons::Ok);
        return 1;
    }
    TYorraClockPathAndFile paths(folder, userFolders);
    TYorraClockEditedCheck editedCheck;
    TYorraClockFormVisible formVisible;

    // One copy per executable file name; a copy under another name runs beside it.
    TSingleInstanceLock instance(
        QFileInfo(QApplication::applicationFilePath()).fileName().toStdString());
    if (!instance.Acquired()) {
        const QString text = QStringLiteral("よらぴぃーでーえーは既に起動中です");
        std::cerr << text.toStdString() << std::endl;
        messages.Show(nullptr, text, TMsgType::Information, TMsgButtons::Ok);
        return 0;
    }
    QApplication::setApplicationName(title);
    QApplication::setApplicationDisplayName(title);
    QApplication::setWindowIcon(ApplicationIcon(folder));

    // The rotations the main window looks up; their editing windows come later.
    TRotationList moonGate(paths.GetMoonGateFileName(), MoonGateRotation);
    TRotationList price(paths.GetPriceFileName(), PriceRotation);

    TYorraClockMainForm mainForm(
        {*ini, paths, editedCheck, formVisible, clock, messages, moonGate, price, {}});

    // SIGTERM, SIGINT and the end of the desktop session close the program in order.
    TTerminationSignals termination;
    QObject::connect(&termination, &TTerminationSignals::terminationRequested, &mainForm,
                     &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainForm,
                     [&mainForm] { mainForm.close(); });

    mainForm.show();
    return app.exec();
}
