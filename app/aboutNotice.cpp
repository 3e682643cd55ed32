// The about notice: copyright.txt when there is one, the built-in notice otherwise.
#include "aboutNotice.h"

#include "platformNotice.h"

#include <cstdio>
#include <memory>

namespace {

const char* const builtInCaption = "ORVAN";
const char* const fileCaption = "Quillmoss";
const char* const builtInText =
    "Quillmoss\n"
    "\n"
    "An artificial-life sandbox: cultures grow, adapt, spread and conquer.\n"
    "\n"
    "Written by the Quillmoss developers.\n"
    "\n"
    "Windows and input by freeglut, the Free OpenGL Utility Toolkit.\n"
    "\n"
    "Control panels by the Quillmoss panel toolkit.";

struct fileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

Notice aboutNoticeFrom(const char* path)
{
    const std::unique_ptr<std::FILE, fileCloser> file(std::fopen(path, "rb"));
    if (!file) return {builtInCaption, builtInText};
    // One byte more than is shown tells whether the file goes on; nothing larger is ever held.
    std::string text(noticeLimit + 1, '\0');
    const std::size_t read = std::fread(&text[0], 1, text.size(), file.get());
    if (std::ferror(file.get())) return {builtInCaption, builtInText};
    text.resize(read);
    if (text.size() > noticeLimit) {
        text.resize(noticeLimit);
        text += "\n\n(copyright.txt goes on past 64 KB; the rest is not shown.)";
    }
    return {fileCaption, text};
}

void showAboutNotice()
{
    const Notice notice = aboutNoticeFrom("copyright.txt");
    showNotice(notice.caption, notice.text);
}
