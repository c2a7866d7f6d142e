#pragma once
// The creatures' pictures: SVG resources drawn through the art cache at the
// widget's device pixel ratio. The bee flying left is the bee flying right seen
// in a mirror, so both directions share one drawing per wing frame.

#include <QPoint>
#include <QSize>

#include <cstring>

class QPainter;

namespace lumo {

struct CreatureFrame {
    const char *path = nullptr; // resource path; null draws nothing
    QSize size;                 // logical pixels; the control takes this size
    bool mirrored = false;      // drawn flipped left to right

    friend bool operator==(const CreatureFrame &a, const CreatureFrame &b)
    {
        const bool samePath = a.path == b.path
            || (a.path && b.path && std::strcmp(a.path, b.path) == 0);
        return samePath && a.size == b.size && a.mirrored == b.mirrored;
    }
};

namespace CreatureArt {

inline constexpr char BeeWingsUp[] = ":/creatures/bee_wings_up.svg";
inline constexpr char BeeWingsDown[] = ":/creatures/bee_wings_down.svg";
inline constexpr char LadybirdLegsA[] = ":/creatures/ladybird_legs_a.svg";
inline constexpr char LadybirdLegsB[] = ":/creatures/ladybird_legs_b.svg";
inline constexpr char HareUp[] = ":/creatures/hare.svg";

// The bee's two wing frames facing right, then the same facing left.
inline constexpr CreatureFrame BeeRightWingsUp{BeeWingsUp, QSize(51, 40), false};
inline constexpr CreatureFrame BeeRightWingsDown{BeeWingsDown, QSize(48, 38), false};
inline constexpr CreatureFrame BeeLeftWingsUp{BeeWingsUp, QSize(51, 40), true};
inline constexpr CreatureFrame BeeLeftWingsDown{BeeWingsDown, QSize(48, 38), true};
// The ladybird from above, head up, in its two leg positions.
inline constexpr CreatureFrame LadybirdStepA{LadybirdLegsA, QSize(50, 50), false};
inline constexpr CreatureFrame LadybirdStepB{LadybirdLegsB, QSize(50, 50), false};
// The hare's head and shoulders.
inline constexpr CreatureFrame Hare{HareUp, QSize(51, 71), false};

// Draws the frame with its top-left corner at the point (logical pixels).
void Draw(QPainter &painter, QPoint topLeft, const CreatureFrame &frame, qreal dpr);

} // namespace CreatureArt

} // namespace lumo
