#pragma once
// Friendly animal faces, put together from a few kinds of ears, snouts and markings:
// the zoo, the farm, the woods, the pets and the snow share them, each with animals
// of its own.

#include "content/DesignKit.h"

enum class Ears { None, Round, Pointed, Long, Floppy, Big, Tiny, Horns, Antlers, Tufts };
enum class Snout { Smile, Whiskers, Muzzle, Pig, Beak, Trunk, Frog, Koala, Hippo, Horse };
enum class Mark {
    None,
    Patches,
    Stripes,
    Spots,
    Mask,
    Cheeks,
    Disc,
    Wool,
    Mane,
    Spikes,
    Horn,
    Beard
};

struct Animal {
    Colour fur;
    Colour light;
    Ears ears;
    Snout snout;
    Mark mark;
};

constexpr Colour kFurBrown = Colour::Hex(0xC07A45);

void AnimalFace(Canvas& canvas, const Animal& animal);
DesignKit::Design AnimalDesign(const Animal& animal);
