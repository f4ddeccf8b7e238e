#pragma once
// How the programs ask the C library for memory. Qt's PDF writer takes and frees two
// buffers of 16 MiB for every page; past its default thresholds glibc maps each
// anew and returns it to the system when freed, which costs a third of the time of
// a merge of thousands of sheets. Called once at the start of a program (never by
// the libraries: it changes the whole process).

namespace plk {

/// Keeps blocks below 17 MiB on the heap and up to 36 MiB of freed memory at its top.
void keepLargeBlocksForReuse();

}  // namespace plk
