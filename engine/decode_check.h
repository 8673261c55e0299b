#pragma once

#include <QString>

// How the entropy-coded data of an image checked by imageDecodes may end.
enum class DataEnd {
    Complete,    // the source held the whole image: data that runs out is damage
    MayEndEarly, // the source was cut short: the image's missing part stays flat
};

// The test every repaired image must pass to be kept: the file decodes as a
// JPEG, at a reduced size but through every stage of a decode, within
// the decode bounds (see BoundedDecoder), and its picture is not broken: it
// shows none of its quantization tables damaged (see tableSound). Only the
// decoder's evidence and a break in the data's order count as damage, never
// the picture's content: data that runs out of an image whose source was
// complete fails it; zero bytes before the end marker are no damage; a
// progressive image with other damage reported fails, its damaged scan
// touching every block; a sequential one fails when its blocks are noise or
// its picture shows a break where the decoder fell out of step, or a
// stripe up to a restart marker (see breaksInScanOrder), or, with damage
// reported, the seam of an MCU the decoder made up (see
// seamFromMadeUpMcus), fails when it is too small to judge with damage
// reported, and fails when, with damage reported or levels clipped in many
// blocks, its data holds block levels no encoder writes (see
// blockLevelsBeyondRange).
bool imageDecodes(const QString& path, DataEnd end);
