// What qinghe-cli prints for the same input as a window, for the tests that compare the two:
// its output lines, or one line "qinghe-cli failed" when it does not end with exit code 0.
#pragma once

#include <QProcess>
#include <QStringList>

inline QStringList CliLines(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(QINGHE_BIN_DIR "qinghe-cli"), args);
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0) return {"qinghe-cli failed"};
    return QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}
