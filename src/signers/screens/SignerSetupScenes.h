#pragma once

// The signer setup's scenes of the storyboard "CreateTransaction": the add/edit recipient
// page and the navigation controller the main page opens it in.
class SignerSetupScenes {
public:
    // Registers the signer setup's part. Safe to call more than once.
    static void registerScenes();
};
