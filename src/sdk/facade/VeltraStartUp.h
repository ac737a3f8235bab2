#pragma once

// Wires the layers together when the facade is first used: installs in the lower layers
// what they ask of the upper ones (the designer's field settings for the model and the
// sign-in, the facade's services for the builders, the composer's model and screens).
// The icon font is made available and each screens library's scenes are registered here
// too. Runs once per process, on the main thread: a first call from another thread waits
// for it there.
class VeltraStartUp {
public:
    static void run();
};
