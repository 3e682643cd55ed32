// The camera: Euler angles in degrees, a distance and a pan, and the projection of the world window.
#pragma once

inline constexpr float initialCameraDistance = 50.0f;

// A view's camera; a new one is the camera a topology change resets to: distance 50, every angle and pan 0.
struct Camera {
    float distance = initialCameraDistance;
    float pitch = 0.0f;  // about the x axis
    float yaw = 0.0f;  // about the y axis
    float roll = 0.0f;  // about the z axis
    float panX = 0.0f;
    float panY = 0.0f;
};

// Loads a 90-degree perspective (near 1, far 1000) for the current window's size, then the camera:
// back by the distance, pitch, yaw, roll, then the pan.
void setProjectionAndCamera(const Camera& camera);

// Width over height of a window, as the perspective takes it; a window shrunk to nothing in
// either direction counts as one pixel there, so the projection stays finite.
double projectionAspect(int width, int height);

// The same perspective and camera on top of whatever projection is loaded (the pick pass's pick matrix).
void multiplyProjection();
void loadCamera(const Camera& camera);
