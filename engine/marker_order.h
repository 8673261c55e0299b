#pragma once

struct SegmentNode;
struct EmbeddedSegmentNode;

// Whether a recorded segment list holds what a decoder needs ahead of the
// scan: a DQT, an SOF0/SOF1/SOF2 and a DHT (any order, with other segments
// between them) followed by an SOS. APPn, COM, SOI, EOI and unknown markers
// are passed over. Fails on a table, frame or restart-interval segment of
// length 0 and on a one-table DQT count that does not match the frame's
// third quantization-table selector. Reads g_state.thirdComponentTable,
// g_state.dqtSegmentCount and g_state.skipFirstImageOff; changes nothing.
//
// image 1 checks the image appended behind the first one in the same list
// (the first image, SOI up to its EOI after its SOS, is passed over); any
// other value checks from the head. Returns 1 when usable, else 0.
unsigned int IsSegmentOrderValid(const SegmentNode* head, int image);

// The same check over the list of an image extracted from a multi-image
// file, always from its head.
unsigned int IsEmbeddedSegmentOrderValid(const EmbeddedSegmentNode* head);
