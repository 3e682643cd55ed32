// Raw RGBA frames piped into ffmpeg, which encodes and writes the file.
#include "movieWriter.h"

#include "childProgram.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

bool endsWith(const std::string& text, const std::string& ending)
{
    return text.size() > ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// H.264 in yuv420p plays everywhere; VP9 for the web. The container is named, since the working
// name's ending does not say it. WebM's muxer gives every file random identifiers unless asked to
// be exact, and a run made again must give the same file.
std::vector<std::string> codecArguments(const std::string& path)
{
    if (endsWith(path, ".webm"))
        return {"-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8",  "-b:v",
                "0",    "-crf",       "30",        "-fflags",  "+bitexact", "-f", "webm"};
    return {"-c:v", "libx264", "-preset", "veryfast", "-crf", "18", "-f", "mp4"};
}

std::string workingName(const std::string& path) { return path + ".partial"; }

}  // namespace

bool isMovieName(const std::string& path) { return endsWith(path, ".mp4") || endsWith(path, ".webm"); }

MovieWriter::~MovieWriter() { close(); }

std::string MovieWriter::open(const std::string& moviePath, int width, int height, int fps)
{
    path = moviePath;
    std::signal(SIGPIPE, SIG_IGN);  // ffmpeg ending early is a failed write, not the end of the run
    std::vector<std::string> arguments = {"ffmpeg",    "-y",
                                          "-loglevel", "error",
                                          "-f",        "rawvideo",
                                          "-pix_fmt",  "rgba",
                                          "-s",        std::to_string(width) + "x" + std::to_string(height),
                                          "-r",        std::to_string(fps),
                                          "-i",        "pipe:0"};
    for (const std::string& argument : codecArguments(path)) arguments.push_back(argument);
    for (const char* argument : {"-pix_fmt", "yuv420p", "-r"}) arguments.push_back(argument);
    arguments.push_back(std::to_string(fps));
    arguments.push_back(workingName(path));
    const ChildProgram ffmpeg = startProgram(arguments, "", true);
    if (!ffmpeg.problem.empty()) return ffmpeg.problem + " (install ffmpeg)";
    pid = ffmpeg.pid;
    input = ffmpeg.input;
    return {};
}

std::string MovieWriter::add(const Picture& frame)
{
    const auto* bytes = reinterpret_cast<const char*>(frame.rgba.data());
    std::size_t left = frame.rgba.size();
    while (left > 0) {
        const ssize_t written = write(input, bytes, left);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return "ffmpeg stopped taking frames for " + path;
        bytes += written;
        left -= static_cast<std::size_t>(written);
    }
    return {};
}

bool MovieWriter::close()
{
    if (pid < 0) return true;
    ::close(input);
    input = -1;
    pid_t child = pid;
    pid = -1;
    return waitForProgram(child) == 0;
}

std::string MovieWriter::finish()
{
    if (pid < 0) return {};
    if (!close()) return "ffmpeg could not write " + workingName(path);
    if (std::rename(workingName(path).c_str(), path.c_str()) == 0) return {};
    return "cannot rename " + workingName(path) + ": " + std::strerror(errno);
}
