// EGL on Mesa's surfaceless platform: no X server, no GPU, the same GL as the program's window.
#include "offscreenContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

struct OffscreenContext::handles {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLSurface surface = EGL_NO_SURFACE;
    EGLContext context = EGL_NO_CONTEXT;
};

namespace {

constexpr EGLint colourBits = 8;
constexpr EGLint depthBits = 24;

EGLDisplay surfacelessDisplay()
{
    const auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay) return EGL_NO_DISPLAY;
    return getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
}

}  // namespace

OffscreenContext::OffscreenContext(int width, int height)
    : egl(std::make_unique<handles>()), pixelsWide(width), pixelsHigh(height)
{
    egl->display = surfacelessDisplay();
    EGLint major = 0;
    EGLint minor = 0;
    if (egl->display == EGL_NO_DISPLAY || !eglInitialize(egl->display, &major, &minor)) {
        problemText = "no offscreen OpenGL: Mesa's EGL surfaceless platform is missing (install libegl-mesa0)";
        egl->display = EGL_NO_DISPLAY;
        return;
    }
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE,    EGL_PBUFFER_BIT, EGL_RED_SIZE, colourBits,     EGL_GREEN_SIZE,
                                       colourBits,          EGL_BLUE_SIZE,   colourBits,   EGL_DEPTH_SIZE, depthBits,
                                       EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,  EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configs = 0;
    const EGLint surfaceAttributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    if (!eglChooseConfig(egl->display, configAttributes, &config, 1, &configs) || configs < 1 || !eglBindAPI(EGL_OPENGL_API) ||
        (egl->context = eglCreateContext(egl->display, config, EGL_NO_CONTEXT, nullptr)) == EGL_NO_CONTEXT ||
        (egl->surface = eglCreatePbufferSurface(egl->display, config, surfaceAttributes)) == EGL_NO_SURFACE ||
        !eglMakeCurrent(egl->display, egl->surface, egl->surface, egl->context)) {
        problemText =
            "no offscreen OpenGL: EGL refused an OpenGL context of " + std::to_string(width) + " x " + std::to_string(height);
        return;
    }
    glViewport(0, 0, width, height);
}

bool OffscreenContext::makeCurrent()
{
    return ready() && eglMakeCurrent(egl->display, egl->surface, egl->surface, egl->context) == EGL_TRUE;
}

void OffscreenContext::release()
{
    if (egl->display != EGL_NO_DISPLAY) eglMakeCurrent(egl->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}

OffscreenContext::~OffscreenContext()
{
    if (egl->display == EGL_NO_DISPLAY) return;
    eglMakeCurrent(egl->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (egl->surface != EGL_NO_SURFACE) eglDestroySurface(egl->display, egl->surface);
    if (egl->context != EGL_NO_CONTEXT) eglDestroyContext(egl->display, egl->context);
    eglTerminate(egl->display);
}
