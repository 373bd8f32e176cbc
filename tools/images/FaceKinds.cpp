#include "FaceKinds.h"

FaceKind faceKind(int face) {
    struct Range {
        int first;
        Suit suit;
    };
    // In face order; a face belongs to the last range that starts at or before it.
    constexpr Range ranges[] = {{1, Suit::Dots},     {10, Suit::Bamboo},  {19, Suit::Characters},
                                {28, Suit::Flowers}, {32, Suit::Seasons}, {36, Suit::Winds},
                                {40, Suit::Dragons}};
    FaceKind kind{Suit::Dots, face};
    for (const Range& r : ranges)
        if (face >= r.first)
            kind = {r.suit, face - r.first + 1};
    return kind;
}
