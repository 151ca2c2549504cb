#pragma once

#include "toolkit/gfx/Geometry.h"

#include <string_view>

namespace tk {

class Font;
class Painter;
struct Label;

// The classic desktop look, as stateless drawing functions: controls work out their state, these draw it.
namespace style {

enum class ArrowDirection { Up, Down, Left, Right };
enum class TextState { Normal, Disabled };

void RaisedEdge(Painter& p, const Rect& r);  // a button's two-pixel bevel
void SunkenEdge(Painter& p, const Rect& r);  // the two-pixel well of a text box or list
void StaticEdge(Painter& p, const Rect& r);  // a one-pixel well
void PushButton(Painter& p, const Rect& r, bool pressed, bool isDefault);
void FocusRect(Painter& p, const Rect& r);  // dotted, every other pixel
void RadioButton(Painter& p, const Rect& box, bool checked, bool pressed, bool enabled);
void Arrow(Painter& p, const Rect& r, ArrowDirection direction, bool enabled);
void ScrollButton(Painter& p, const Rect& r, ArrowDirection direction, bool pressed, bool enabled);
void ScrollTrack(Painter& p, const Rect& r);
void EtchedHorizontal(Painter& p, const Rect& r);
// A label with its mnemonic underlined; disabled text is engraved (a white copy under a grey one).
void LabelText(Painter& p, const Font& font, Point topLeft, const Label& label, TextState state,
               bool showMnemonic = true);
void ProgressBlocks(Painter& p, const Rect& inside, int lower, int upper, int position);

}  // namespace style
}  // namespace tk
