// A run's snapshots as a video, encoded by ffmpeg as they come. The video is written under a working
// name (FILE.partial) and takes its own only once ffmpeg has finished it, so that a file under the
// asked name is always a whole run's.
#pragma once

#include "pngFile.h"

#include <sys/types.h>

#include <string>

// The most frames a second a movie may be asked for.
inline constexpr long long mostMovieFps = 120;

// Whether path names a video this writer makes: .mp4 (H.264) or .webm (VP9).
bool isMovieName(const std::string& path);

class MovieWriter {
public:
    MovieWriter() = default;
    MovieWriter(const MovieWriter&) = delete;
    MovieWriter& operator=(const MovieWriter&) = delete;
    // A video not finished stays under its working name.
    ~MovieWriter();

    // Starts ffmpeg writing path from frames of width x height at fps frames a second; "" when it runs.
    std::string open(const std::string& path, int width, int height, int fps);
    // Adds one frame (rows from the top, the size given to open); "" when ffmpeg took it.
    std::string add(const Picture& frame);
    // Ends the video and gives it its name; "" when ffmpeg wrote it whole.
    std::string finish();

private:
    // Lets ffmpeg end the video; whether it did so without fault.
    bool close();

    std::string path;
    int input = -1;
    pid_t pid = -1;
};
