#pragma once
// The entity defaults and measures that are ours to choose, each with its reason.

namespace host {

inline constexpr short kColorByBlock = 0;
inline constexpr short kColorByLayer = 256;
inline constexpr int kLineweightByLayer = -1;
inline constexpr int kLineweightByBlock = -2;
inline constexpr int kLineweightDefault = -3;

// Relative difference of axis lengths (and cosine between axes) below which a transform is uniform.
inline constexpr double kUniformScaleTolerance = 1e-9;

// The text height a new text gets, the common default of drawing hosts.
inline constexpr double kDefaultTextHeight = 2.5;
// Advance of one narrow (single-byte) character, in text heights: a typical proportional font's average.
inline constexpr double kNarrowGlyphAdvance = 0.6;
// Advance of one wide (multi-byte, e.g. Chinese) character, in text heights: wide glyphs are square.
inline constexpr double kWideGlyphAdvance = 1.0;

} // namespace host
