#pragma once
// Hands the resources built into the program to the window system and the sound
// player: the cursors to LoadImageA, the WAVE sounds to PlaySoundA.

class EmbeddedResources {
public:
    static void Register();
};
