// Reporting the OpenGL driver.
#include "driverReport.h"

#include <GL/gl.h>

#include <cstdio>

namespace {
// A missing string does not stop the report.
const char* driverString(GLenum name)
{
    const GLubyte* text = glGetString(name);
    return text ? reinterpret_cast<const char*>(text) : "";
}
}  // namespace

void reportDriver()
{
    std::printf("OpenGL Driver - \n");
    std::printf("Vendor: %s\n", driverString(GL_VENDOR));
    std::printf("Renderer: %s\n", driverString(GL_RENDERER));
    std::printf("Version: %s\n", driverString(GL_VERSION));
    std::printf("Supported Extensions: %s\n", driverString(GL_EXTENSIONS));
}
