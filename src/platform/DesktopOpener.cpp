#include "DesktopOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace vastrel::platform {

bool DesktopOpener::open(const QString& file, const QString& workingFolder)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (program.isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(file));

    // Owned by nobody: a still-running opener must not be killed when this returns.
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments({file});
    process->setWorkingDirectory(workingFolder);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(kAnswerWaitMs)) {
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return true;
    }
    const bool ok = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return ok;
}

} // namespace vastrel::platform
