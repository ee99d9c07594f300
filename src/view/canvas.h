// The drawing surface the track view paints on. The view code decides everything that
// is drawn; a canvas only carries it out (on a picture, or into a list for the tests).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarmaq {

using Color = std::uint32_t;  // 0x00BBGGRR

inline constexpr Color Black = 0x000000;
inline constexpr Color White = 0xFFFFFF;
inline constexpr Color Silver = 0xC0C0C0;
inline constexpr Color DarkGrey = 0x4B4B4B;
inline constexpr Color Red = 0x0000FF;
inline constexpr Color Yellow = 0x00FFFF;
inline constexpr Color Blue = 0xFF0000;
inline constexpr Color Green = 0x008000;

enum class PenMode { Copy, Xor };
enum class FillStyle { Solid, Transparent, CrossHatch };

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Fills the surface with its background colour.
  virtual void clear() = 0;
  // Sets the background colour and repaints the surface in it, dropping the drawing.
  virtual void setBackgroundColor(Color color) = 0;
  // Polygons are given in pixels, every other primitive in twips.
  virtual void polygon(const std::vector<PixelPoint>& points, Color outline, PenMode pen,
                       Color fill, FillStyle fillStyle) = 0;
  virtual void line(float x1, float y1, float x2, float y2, Color color, PenMode pen,
                    int widthPx) = 0;
  // Text with its top-left corner at (x, y).
  virtual void text(float x, float y, float points, bool bold, const std::string& text,
                    Color color) = 0;
  virtual void circle(float cx, float cy, float radius, Color outline, Color fill,
                      FillStyle fillStyle) = 0;
};

}  // namespace tarmaq
