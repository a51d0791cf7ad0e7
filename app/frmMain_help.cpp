// Help, the calculator program and About.
#include <QCoreApplication>
#include <QDir>

#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "app/help_commands.h"
#include "app/quillmar_application.h"
#include "platform/modal.h"

namespace quillmar {
namespace {

void reportFailure(frmMain& main, const QString& description) {
    modal::msgBox(&main, description, modal::kOkOnly | modal::kNoIcon, kAppTitle);
}

void showHelpFile(frmMain& main, const char* file) {
    main.helpViewer().show(QDir(main.outsideProgramsFolder()).filePath(QStringLiteral("help/") + QLatin1String(file)));
}

}  // namespace

QString frmMain::outsideProgramsFolder() const {
    return outsideFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : outsideFolder_;
}

void GcodeHelp_Click(frmMain& main) { showHelpFile(main, "G-code.hlp"); }
void McodeHelp_Click(frmMain& main) { showHelpFile(main, "M-code.hlp"); }
void VariableHelp_Click(frmMain& main) { showHelpFile(main, "Variable.hlp"); }
void MnemonicHelp_Click(frmMain& main) { showHelpFile(main, "Mnemonic.hlp"); }

void mnuToolsCalculator_Click(frmMain& main) {
    // The desktop gives a newly started program's window the focus.
    const QString program = QDir(main.outsideProgramsFolder()).filePath(QStringLiteral("QuillmarCalculator"));
    QString error;
    bool missing = false;
    if (!main.calculatorProgram().start(program, {}, &error, &missing))
        reportFailure(main, missing ? QStringLiteral("QuillmarCalculator was not found beside the program.") : error);
}

void mnuHelpAbout_Click(frmMain& main) {
    frmAbout about(&main);
    modal::exec(&about);
}

void registerHelpCommands(frmMain& main) {
    QObject::connect(&main.helpViewer(), &HelpViewer::failed, &main,
                     [&main](const QString& description) { reportFailure(main, description); });
    main.setCommand(QStringLiteral("GcodeHelp"), [&main](int) { GcodeHelp_Click(main); });
    main.setCommand(QStringLiteral("McodeHelp"), [&main](int) { McodeHelp_Click(main); });
    main.setCommand(QStringLiteral("VariableHelp"), [&main](int) { VariableHelp_Click(main); });
    main.setCommand(QStringLiteral("MnemonicHelp"), [&main](int) { MnemonicHelp_Click(main); });
    main.setCommand(QStringLiteral("mnuToolsCalculator"), [&main](int) { mnuToolsCalculator_Click(main); });
    main.setCommand(QStringLiteral("mnuHelpAbout"), [&main](int) { mnuHelpAbout_Click(main); });
}

}  // namespace quillmar
