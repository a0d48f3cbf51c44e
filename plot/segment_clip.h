#ifndef WINGMAP_SEGMENT_CLIP_H
#define WINGMAP_SEGMENT_CLIP_H

namespace wingmap {

// An axis-parallel rectangle: xMin <= xMax, yMin <= yMax, all finite.
struct ClipBox
{
    double xMin, yMin, xMax, yMax;
};

// A segment from (x1, y1) to (x2, y2).
struct Segment
{
    double x1, y1, x2, y2;
};

// Clips the segment to the box in double precision and keeps its direction.
// Returns false when no part of it lies in the box, or when a coordinate is
// NaN. An end moved onto an edge takes that edge's coordinate exactly, so a
// horizontal or vertical segment keeps its position however far away its
// ends were.
//
// An infinite coordinate stands for "beyond every finite coordinate" in its
// direction: the segment is the limit of the one whose infinities are
// replaced by +-K as K grows. From a finite end towards (+inf, y) it is the
// horizontal ray, towards (+inf, +inf) the diagonal one; from (-inf, y1) to
// (+inf, y2) it is the horizontal line at (y1 + y2) / 2, and from (-inf,
// -inf) to (+inf, +inf) the diagonal through the origin. Whatever is
// returned is finite.
bool clipSegment(Segment &segment, const ClipBox &box);

} // namespace wingmap

#endif
