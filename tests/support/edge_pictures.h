#pragma once

#include <QImage>

namespace fixture {

// Rendered pictures whose content has long straight edges and flat bands:
// what a building, a horizon, a page of text or a screenshot shows, two
// flat panels side by side whose lower edges lie one block row apart, and
// bands of exact mid-grey or black at an edge of the frame. Their edges lie
// on the borders of 16-pixel blocks, where a break in a JPEG's data would
// show too. A page of monospaced text lines of differing lengths, some
// indented, from the top of the frame: its lines begin at the left margin.
// A photo between grey bands one block wide at its left and right edges.
enum class EdgeScene { Buildings, Horizon, Text, Screenshot, Panels, GreyBand, BlackBands, Page, Pillarbox };

QImage edgePicture(EdgeScene scene, int width, int height);

} // namespace fixture
