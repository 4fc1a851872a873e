// SPDX-FileCopyrightText: 2026 The Zevodave developers
// SPDX-License-Identifier: MIT

// The platform of Linux and macOS: the tool it finds on the search path, and
// a start that runs the program without waiting for it.

#include "platform.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class PlatformQtTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;

    // An executable script that leaves "NAME.ran" beside itself when run.
    QString Program(const QString& name) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(QString("#!/bin/sh\ntouch '%1.ran'\n").arg(file.fileName()).toUtf8());
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file.fileName();
    }

  private slots:
    // kinfocenter before hardinfo2 before hardinfo; each found one is then
    // taken away in turn.
    void findsTheToolsInOrderOfPreference() {
        const QByteArray searchPath = qgetenv("PATH");
        qputenv("PATH", folder.path().toUtf8());
        for (const char* name : {"hardinfo", "hardinfo2", "kinfocenter", "other"})
            Program(name);
        QStringList found;
        do {
            found << QFileInfo(QString::fromStdString(zevodave::MakePlatform()->FindTool()))
                         .fileName();
        } while (QFile::remove(folder.filePath(found.last())));
        qputenv("PATH", searchPath);
        QCOMPARE(found, QStringList({"kinfocenter", "hardinfo2", "hardinfo", ""}));
    }

    void startRunsTheProgramAndReportsAFailedStart() {
        const QString program = Program("tool with spaces");
        QVERIFY(zevodave::MakePlatform()->StartProgram(program.toStdString()));
        QTRY_VERIFY(QFile::exists(program + ".ran"));
        QVERIFY(!zevodave::MakePlatform()->StartProgram(folder.filePath("missing").toStdString()));
    }
};

QTEST_MAIN(PlatformQtTest)
#include "platform_qt_test.moc"
