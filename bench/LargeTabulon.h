// The largest Tabulon the file format holds, for benchmarks: 65,448 records of 80 used fields
// (16 Text of 20 characters, 8 Memo of 100, and 8 each of Integer, Long, Float, List,
// Checkbox, Date and Time), built deterministically through the model.
#pragma once

#include "model/TbObjDB.h"

#include <memory>

inline constexpr int kLargeTabulonRecords = 65448;

std::unique_ptr<CTbObjDB> BuildLargeTabulon();
// Heap bytes in use (malloc's own count), for memory-per-record figures.
size_t HeapInUse();
