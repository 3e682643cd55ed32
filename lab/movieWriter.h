// A run's snapshots as a video, encoded by ffmpeg as they come.
#pragma once

#include "pngFile.h"

#include <sys/types.h>

#include <string>

// Whether path names a video this writer makes: .mp4 (H.264) or .webm (VP9).
bool isMovieName(const std::string& path);

class MovieWriter {
public:
    MovieWriter() = default;
    MovieWriter(const MovieWriter&) = delete;
    MovieWriter& operator=(const MovieWriter&) = delete;
    ~MovieWriter();

    // Starts ffmpeg writing path from frames of width x height at fps frames a second; "" when it runs.
    std::string open(const std::string& path, int width, int height, int fps);
    // Adds one frame (rows from the top, the size given to open); "" when ffmpeg took it.
    std::string add(const Picture& frame);
    // Ends the video; "" when ffmpeg wrote it whole.
    std::string finish();

private:
    std::string path;
    int input = -1;
    pid_t pid = -1;
};
