#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace bunrako {

// Progress of a batch: the position within 0 .. upper, as a progress bar
// shows it.
using BatchProgress = std::function<void(int position, int upper)>;

// Asked before each record while a batch works in memory, and never once a
// file is being written: true stops the batch there with no file touched.
using BatchStop = std::function<bool()>;

// How a batch over selected records went.
struct BatchResult {
    enum class Outcome {
        // Every record was done.
        completed,
        // A file could not be read or written (the message has been shown):
        // the records after `done` were left as they were.
        stopped,
        // The user declined the question or stopped the batch before any
        // write; no file was touched.
        cancelled,
        // The input was incomplete (no type, no reason, no month...); no file
        // was touched, the dialog stays open.
        incompleteInput,
    };
    Outcome outcome = Outcome::completed;
    // Indices into the selection of the records that were done, in order.
    std::vector<size_t> done;
    // The record the batch stopped at, when it stopped.
    std::optional<size_t> stoppedAt;
    // The files written, in the order they were written.
    std::vector<std::filesystem::path> written;

    // Stopped at the record (the file's message has been shown).
    BatchResult& stopAt(size_t index) {
        outcome = Outcome::stopped;
        stoppedAt = index;
        return *this;
    }
    // Stopped on a write that failed: no record counts as done.
    BatchResult& stopUnwritten() {
        done.clear();
        return stopAt(0);
    }

    // 1 when every record was done, as the commands report success.
    int result() const { return outcome == Outcome::completed ? 1 : 0; }
};

}  // namespace bunrako
