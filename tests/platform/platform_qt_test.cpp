// The platform of Linux and macOS: the tool it finds on the search path, and
// a start that runs the program without waiting for it.

#include "platform.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class PlatformQtTest : public QObject {
    Q_OBJECT

    // A fresh folder for each row.
    std::unique_ptr<QTemporaryDir> folder;
    QByteArray savedPath = qgetenv("PATH");

    // An executable script in a folder of its own: it leaves `mark` beside
    // itself when run.
    QString Program(const QString& subfolder, const QString& name, const QString& mark = "ran") {
        QDir().mkpath(folder->filePath(subfolder));
        const QString path = folder->filePath(subfolder + "/" + name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(QString("#!/bin/sh\ntouch '%1'\n").arg(folder->filePath(mark)).toUtf8());
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

  private slots:
    void init() { folder = std::make_unique<QTemporaryDir>(); }
    void cleanup() { qputenv("PATH", savedPath); }

    void findTool_data() {
        QTest::addColumn<QStringList>("installed"); // "folder/name", in search order
        QTest::addColumn<QString>("found");
        QTest::newRow("kinfocenter before hardinfo2 and hardinfo, wherever they are")
            << QStringList{"a/hardinfo", "a/hardinfo2", "b/kinfocenter"} << "b/kinfocenter";
        QTest::newRow("hardinfo2 before hardinfo")
            << QStringList{"a/hardinfo", "b/hardinfo2"} << "b/hardinfo2";
        QTest::newRow("hardinfo alone") << QStringList{"b/hardinfo"} << "b/hardinfo";
        QTest::newRow("the first folder on the path wins")
            << QStringList{"a/hardinfo", "b/hardinfo"} << "a/hardinfo";
        QTest::newRow("none installed") << QStringList{"a/other"} << "";
    }
    void findTool() {
        QFETCH(QStringList, installed);
        QFETCH(QString, found);
        for (const QString& program : installed)
            Program(program.section('/', 0, 0), program.section('/', 1));
        qputenv("PATH", (folder->filePath("a") + ":" + folder->filePath("b")).toUtf8());
        const std::string tool = zevodave::MakePlatform()->FindTool();
        QCOMPARE(QString::fromStdString(tool), found.isEmpty() ? found : folder->filePath(found));
    }

    void startRunsTheProgramAndReportsAFailedStart() {
        const QString program = Program("c", "tool with spaces", "started");
        QVERIFY(zevodave::MakePlatform()->StartProgram(program.toStdString()));
        QTRY_VERIFY(QFile::exists(folder->filePath("started")));
        QVERIFY(!zevodave::MakePlatform()->StartProgram(folder->filePath("missing").toStdString()));
    }
};

QTEST_MAIN(PlatformQtTest)
#include "platform_qt_test.moc"
