// The camera: Euler angles in degrees, a distance and a pan, and the projection of the world window.
#pragma once

inline constexpr float initialCameraDistance = 50.0f;

extern float cameraDistance;
extern float cameraPitch;  // about the x axis
extern float cameraYaw;  // about the y axis
extern float cameraRoll;  // about the z axis
extern float cameraPanX;
extern float cameraPanY;

// Distance 50, every angle and pan 0.
void resetView();

// Loads a 90-degree perspective (near 1, far 1000) for the current window's size, then the camera:
// back by the distance, pitch, yaw, roll, then the pan.
void setProjectionAndCamera();

// Width over height of a window, as the perspective takes it; a window shrunk to nothing in
// either direction counts as one pixel there, so the projection stays finite.
double projectionAspect(int width, int height);

// The same perspective and camera on top of whatever projection is loaded (the pick pass's pick matrix).
void multiplyProjection();
void loadCamera();
