// Nothing lost when the program does not close normally: real processes, killed, ended by a
// signal, and started side by side in one program directory. Most run the program driver
// (Palaver's own start-up and event loop, driven through its standard input); one runs the
// palaver program itself.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>
#include <csignal>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "session/TemporaryDirectory.h"

using palaver::testing::ReadBytes;
using palaver::testing::TTemporaryDirectory;
using palaver::testing::WriteBytes;

namespace {

constexpr int TimeoutMs = 30000;

// One running program, read line by line.
class TRunningProgram {
 public:
  TRunningProgram(const QString& Path, const QStringList& Arguments) {
    QProcessEnvironment Environment = QProcessEnvironment::systemEnvironment();
    Environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    Process.setProcessEnvironment(Environment);
    Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Process.start(Path, Arguments);
  }
  ~TRunningProgram() {
    if (Process.state() != QProcess::NotRunning) {
      Process.kill();
      Process.waitForFinished(TimeoutMs);
    }
  }

  // The lines printed until the first that is Line (included); all of them when it never came.
  QStringList ReadUntil(const QString& Line) {
    QStringList Lines;
    QElapsedTimer Clock;
    Clock.start();
    while (Clock.elapsed() < TimeoutMs) {
      while (Process.canReadLine()) {
        Lines << QString::fromUtf8(Process.readLine()).chopped(1);
        if (Lines.back() == Line) return Lines;
      }
      if (Process.state() == QProcess::NotRunning) break;
      Process.waitForReadyRead(200);
    }
    return Lines;
  }
  // Sends one command and returns what it printed up to "ready".
  QStringList Command(const QString& Text) {
    Process.write((Text + QLatin1Char('\n')).toUtf8());
    return ReadUntil(QStringLiteral("ready"));
  }
  QString StateLine() {
    const QStringList Lines = Command(QStringLiteral("state"));
    for (const QString& Line : Lines)
      if (Line.startsWith(QLatin1String("state "))) return Line.mid(6);
    return {};
  }
  void Signal(int Number) { ::kill(static_cast<pid_t>(Process.processId()), Number); }
  bool Finished() { return Process.waitForFinished(TimeoutMs); }

  QProcess Process;
};

std::unique_ptr<TRunningProgram> StartDriver(const TTemporaryDirectory& Dir,
                                             const QStringList& Answers = {}) {
  auto Program =
      std::make_unique<TRunningProgram>(QStringLiteral(PALAVER_DRIVER_PATH),
                                        QStringList{QString::fromStdString(Dir.Path())} + Answers);
  return Program;
}

QStringList Boxes(const QStringList& Lines) {
  QStringList Result;
  for (const QString& Line : Lines)
    if (Line.startsWith(QLatin1String("box "))) Result << Line;
  return Result;
}

// The names of the program directory's recovery and lock files, sorted.
QStringList RecoveryFiles(const TTemporaryDirectory& Dir) {
  QStringList Names;
  for (const auto& Entry : std::filesystem::directory_iterator(Dir.Path())) {
    const QString Name = QString::fromStdString(Entry.path().filename().string());
    if (Name.startsWith(QLatin1String("PalaverRecovery"))) Names << Name;
  }
  Names.sort();
  return Names;
}

// The texts of a log file, without their time stamps, after its header.
QStringList LogTexts(const TTemporaryDirectory& Dir, int Number) {
  const QString Text = QString::fromStdString(
      ReadBytes(Dir.File("PalaverUserAction" + std::to_string(Number) + ".log")));
  QStringList Texts;
  const QStringList Lines = Text.split(QStringLiteral("\r\n"));
  for (qsizetype I = 4; I + 1 < Lines.size(); ++I)
    Texts << (Lines[I].startsWith(QLatin1Char('[')) ? Lines[I].mid(12) : Lines[I]);
  return Texts;
}

const QString RestoreQuestion = QStringLiteral(
    "box Confirmation: Palaver was not closed normally, and its line of argumentation had unsaved "
    "changes.\\nDo you want to restore the unsaved line of argumentation?");

const char* const LoggingOn = "[Options]\r\nLogging=On\r\n";

}  // namespace

class RecoveryProcessTest : public QObject {
  Q_OBJECT

 private slots:
  void aKilledProgramsLineIsOfferedBackAndRestored() {
    TTemporaryDirectory Dir;
    WriteBytes(Dir.File("Palaver.ini"), LoggingOn);
    {
      const auto Killed = StartDriver(Dir);
      QVERIFY(Killed->ReadUntil(QStringLiteral("ready")).contains(QStringLiteral("ready")));
      Killed->Command(QStringLiteral("statement first"));
      Killed->Command(QStringLiteral("statement second"));
      Killed->Command(QStringLiteral("back"));
      Killed->Process.kill();
      QVERIFY(Killed->Finished());
    }
    QCOMPARE(ReadBytes(Dir.File("PalaverRecovery0.txt")),
             std::string("PALAVER RECOVERY\r\nFileName: New.lin\r\n\r\n"
                         "STATEMENT\r\n  ?: first\r\n\r\nCURRENT POSITION\r\n\r\n"
                         "STATEMENT\r\n  ?: second\r\n\r\n"));

    // Yes to the question, then No to the save-changes question at Exit.
    const auto Next = StartDriver(Dir, {QStringLiteral("yes"), QStringLiteral("no")});
    QCOMPARE(Boxes(Next->ReadUntil(QStringLiteral("ready"))), QStringList{RestoreQuestion});
    QCOMPARE(Next->StateLine(),
             QStringLiteral("New.lin|1|Palaver - New line of argumentation|?first"));
    // The line moved into the new program's own file; the old one is gone.
    QCOMPARE(RecoveryFiles(Dir), (QStringList{QStringLiteral("PalaverRecovery1.lock"),
                                              QStringLiteral("PalaverRecovery1.txt")}));
    Next->Process.write("exit\n");
    QVERIFY(Next->Finished());
    QCOMPARE(Next->Process.exitCode(), 0);
    QCOMPARE(RecoveryFiles(Dir), QStringList());
    const QStringList Log = LogTexts(Dir, 1);
    QVERIFY(Log.contains(QStringLiteral("Message: Restore; Answer: Yes")));
    QCOMPARE(Log.mid(Log.size() - 3),
             (QStringList{QStringLiteral("File exit (menu)"),
                          QStringLiteral("Message: Save changes; Answer: No"),
                          QStringLiteral("Close Palaver")}));
  }

  void noToTheQuestionRemovesTheLine() {
    TTemporaryDirectory Dir;
    WriteBytes(Dir.File("PalaverRecovery0.txt"),
               "PALAVER RECOVERY\r\nFileName: /tmp/x.lin\r\n\r\nSTATEMENT\r\n  !: old\r\n\r\n"
               "CURRENT POSITION\r\n\r\n");
    const auto Program = StartDriver(Dir, {QStringLiteral("no")});
    QCOMPARE(Boxes(Program->ReadUntil(QStringLiteral("ready"))),
             QStringList{RestoreQuestion + QStringLiteral("\\n\\nFile: x.lin")});
    QCOMPARE(Program->StateLine(),
             QStringLiteral("New.lin|0|Palaver - New line of argumentation|"));
    QCOMPARE(RecoveryFiles(Dir), QStringList{QStringLiteral("PalaverRecovery1.lock")});
  }

  void terminationSignalsEndTheProgramCleanly_data() {
    QTest::addColumn<int>("Signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
  }

  void terminationSignalsEndTheProgramCleanly() {
    QFETCH(int, Signal);
    TTemporaryDirectory Dir;
    WriteBytes(Dir.File("Palaver.ini"), LoggingOn);
    const auto Program = StartDriver(Dir, {QStringLiteral("yes")});
    Program->ReadUntil(QStringLiteral("ready"));
    Program->Command(QStringLiteral("statement kept"));
    Program->Signal(Signal);
    QVERIFY(Program->Finished());
    QCOMPARE(Program->Process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(Program->Process.exitCode(), 0);
    // Nothing was asked on the way out.
    QCOMPARE(Boxes(QString::fromUtf8(Program->Process.readAll()).split(QLatin1Char('\n'))),
             QStringList());
    QCOMPARE(LogTexts(Dir, 0).last(), QStringLiteral("Close Palaver"));
    QCOMPARE(ReadBytes(Dir.File("Palaver.ini")),
             std::string("[Options]\r\nLogging=On\r\nLanguage=English\r\nSavingOk=Yes\r\n"));
    QCOMPARE(RecoveryFiles(Dir), QStringList{QStringLiteral("PalaverRecovery0.txt")});
    QVERIFY(ReadBytes(Dir.File("PalaverRecovery0.txt")).find("  ?: kept\r\n") != std::string::npos);
  }

  void twoProgramsAtOnceKeepAndGetBackTheirOwnLines() {
    TTemporaryDirectory Dir;
    {
      const auto First = StartDriver(Dir);
      const auto Second = StartDriver(Dir);
      First->ReadUntil(QStringLiteral("ready"));
      Second->ReadUntil(QStringLiteral("ready"));
      First->Command(QStringLiteral("statement from the first"));
      Second->Command(QStringLiteral("statement from the second"));
      First->Command(QStringLiteral("statement again from the first"));
      First->Process.kill();
      Second->Process.kill();
      QVERIFY(First->Finished() && Second->Finished());
    }
    QCOMPARE(RecoveryFiles(Dir).filter(QStringLiteral(".txt")).size(), 2);

    // Each program started now gets one of the two lines back, and asks only about that one.
    const auto Third = StartDriver(Dir, {QStringLiteral("yes")});
    QCOMPARE(Boxes(Third->ReadUntil(QStringLiteral("ready"))).size(), 1);
    const auto Fourth = StartDriver(Dir, {QStringLiteral("yes")});
    QCOMPARE(Boxes(Fourth->ReadUntil(QStringLiteral("ready"))).size(), 1);
    QStringList Restored{Third->StateLine().section(QLatin1Char('|'), 3),
                         Fourth->StateLine().section(QLatin1Char('|'), 3)};
    Restored.sort();
    QCOMPARE(Restored, (QStringList{QStringLiteral("?from the first,?again from the first"),
                                    QStringLiteral("?from the second")}));
    QCOMPARE(RecoveryFiles(Dir).filter(QStringLiteral(".txt")).size(), 2);
  }

  // The program itself, ended while its start-up question is open: it ends at once, answers
  // nothing, and the line it was asking about waits for the next start.
  void theProgramEndsCleanlyOnSigtermDuringItsQuestion() {
    TTemporaryDirectory Dir;
    // A copy run from its own directory keeps its settings and logs there.
    const std::string Program = Dir.File("palaver");
    std::error_code Error;
    std::filesystem::create_hard_link(PALAVER_PROGRAM_PATH, Program, Error);
    if (Error) std::filesystem::copy_file(PALAVER_PROGRAM_PATH, Program);
    WriteBytes(Dir.File("Palaver.ini"), LoggingOn);
    const std::string Left =
        "PALAVER RECOVERY\r\nFileName: New.lin\r\n\r\nSTATEMENT\r\n  ?: left\r\n\r\n";
    WriteBytes(Dir.File("PalaverRecovery0.txt"), Left);

    TRunningProgram Running(QString::fromStdString(Program), {});
    // The question holds slot 0's lock while it is open. The program took and let go of that
    // lock once before, at start-up, when it looked for a slot of its own; so the question is
    // open once the window is shown (the log says "PALAVER FORM") and the lock file is there.
    // A signal from then on reaches the program inside the question's event loop.
    QTRY_VERIFY_WITH_TIMEOUT(LogTexts(Dir, 0).contains(QStringLiteral("PALAVER FORM")) &&
                                 std::filesystem::exists(Dir.File("PalaverRecovery0.lock")),
                             TimeoutMs);
    Running.Signal(SIGTERM);
    QVERIFY(Running.Finished());
    QCOMPARE(Running.Process.exitCode(), 0);
    const QStringList Log = LogTexts(Dir, 0);
    QCOMPARE(Log.last(), QStringLiteral("Close Palaver"));
    QVERIFY(!Log.join(QLatin1Char('\n')).contains(QLatin1String("Restore")));
    QCOMPARE(ReadBytes(Dir.File("PalaverRecovery0.txt")), Left);
    QCOMPARE(RecoveryFiles(Dir), QStringList{QStringLiteral("PalaverRecovery0.txt")});
    QCOMPARE(ReadBytes(Dir.File("Palaver.ini")),
             std::string("[Options]\r\nLogging=On\r\nLanguage=English\r\nSavingOk=Yes\r\n"));
  }
};

QTEST_GUILESS_MAIN(RecoveryProcessTest)
#include "RecoveryProcessTest.moc"
