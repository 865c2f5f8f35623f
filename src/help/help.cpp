// Help documents, the companion feedback program and the write-to-me note.
#include "help/links.h"
#include "shell/form1.h"

namespace qf {

namespace {

constexpr char kMissing[] = "文件不存在  ";
constexpr char kCompanionFolder[] = "晴川意见簿";

}  // namespace

// Paths are joined as they are, so the message names exactly what was
// looked for.
void TForm1::OpenHelpDocument(std::string_view name) {
    const std::string path = state_.AppDir + "\\帮助\\" + std::string(name);
    if (ports_.files.FileExists(path))
        ports_.shell.Open(path, ShowMode::Maximized);
    else
        ports_.dialogs.PlainMessage(kMissing + path);
}

void TForm1::N13Click() { OpenHelpDocument("帮助.txt"); }
void TForm1::N15Click() { OpenHelpDocument("个人介绍.txt"); }
void TForm1::N1001Click() { OpenHelpDocument("100%杀毒软件.txt"); }
void TForm1::N50Click() { OpenHelpDocument("主动防御.txt"); }
void TForm1::N52Click() { OpenHelpDocument("保护你的账号.txt"); }
void TForm1::N26Click() { OpenHelpDocument("接受定做软件.txt"); }
void TForm1::my7Click() { OpenHelpDocument(links::kMy7Document); }
void TForm1::my9Click() { OpenHelpDocument("广告位招租.txt"); }

// The companion starts in its own folder: with no working folder given, it
// inherits the current directory, so that is moved there for the moment.
void TForm1::N19Click() {
    const std::string folder = state_.AppDir + "\\" + kCompanionFolder;
    if (!ports_.files.ChangeCurrentDirectory(folder)) {
        ports_.dialogs.ErrorBox("文件夹 晴川意见簿不存在，请手工启动");
        return;
    }
    const std::string program = folder + "\\意见簿.exe";
    if (ports_.files.FileExists(program))
        ports_.shell.Open(program, ShowMode::Normal);
    else
        ports_.dialogs.PlainMessage(kMissing + program);
    ports_.files.ChangeCurrentDirectory(state_.AppDir);
}

void TForm1::N21Click() {
    ports_.dialogs.Message("欢迎给我来信，我一定回复您，请指出问题。万分感谢！", "欢迎给我来信");
}

}  // namespace qf
