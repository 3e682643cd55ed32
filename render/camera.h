// The camera: Euler angles in degrees, a distance and a pan, and the projection of the world window.
#pragma once

struct World;

inline constexpr float initialCameraDistance = 50.0f;
inline constexpr float nearestCameraDistance = 20.0f;  // the '-' key stops here
inline constexpr float farthestCameraDistance = 1000.0f;  // the '+' key stops here, and the far plane lies here, times the scale

// A view's camera; a new one is the camera of a world of the default sizes: distance 50, every
// angle and pan 0, scale 1.
struct Camera {
    float distance = initialCameraDistance;
    float pitch = 0.0f;  // about the x axis
    float yaw = 0.0f;  // about the y axis
    float roll = 0.0f;  // about the z axis
    float panX = 0.0f;
    float panY = 0.0f;
    float scale = 1.0f;  // the view scale of the world it was made for: the far plane and the '+' limit grow with it
};

// How many times larger than its topology's default the world is seen: max(1, extent / default
// extent), the plane's larger side over 80, the disc's rings over 40, the sphere's equator cells
// over 160 (its radius over 25). 1 for an empty world.
float viewScale(const World& world);

// The camera a topology change resets to, and a new view of the world starts from: Camera{} moved
// back to 50 times the world's view scale, with that scale; Camera{} itself at the default sizes
// and below.
Camera worldCamera(const World& world);

// The distance '+' stops at: 1000 times the camera's scale.
float farthestDistance(const Camera& camera);

// Loads a 90-degree perspective (near 1, far 1000 times the camera's scale) for the current
// window's size, then the camera: back by the distance, pitch, yaw, roll, then the pan.
void setProjectionAndCamera(const Camera& camera);

// Width over height of a window, as the perspective takes it; a window shrunk to nothing in
// either direction counts as one pixel there, so the projection stays finite.
double projectionAspect(int width, int height);

// The same perspective and camera on top of whatever projection is loaded (the pick pass's pick matrix).
void multiplyProjection(const Camera& camera);
void loadCamera(const Camera& camera);
