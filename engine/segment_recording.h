#pragma once

// While an object of this class lives on a thread, the recovery-form image
// searches of the segment list on that thread remember the path of the last
// search: an image start lying on that path ends where that search ended, so
// the images nested in one image cost one search in all instead of one each.
// The scanner holds one for its recovery pass over the input file.
class RecoverySearchReuse {
public:
    RecoverySearchReuse();
    ~RecoverySearchReuse();

    RecoverySearchReuse(const RecoverySearchReuse&) = delete;
    RecoverySearchReuse& operator=(const RecoverySearchReuse&) = delete;
};
