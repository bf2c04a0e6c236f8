#pragma once

#include <cstddef>
#include <cstdio>

// Gathers the texts of a read's messages and writes them to the message stream in pieces, once
// nothing can tell when a text reached the stream: a locked write per message was most of what a
// message cost in a program whose every block is an error. Until Gather is called each text goes
// to the stream at once. The owner flushes before every callback and at the end of the read.
class MessageBatch {
  public:
    // Most bytes that wait for the stream, about what a stream's own buffer holds.
    static constexpr std::size_t kCapacity = 4096;

    explicit MessageBatch(FILE* stream) : stream(stream) {}
    ~MessageBatch() { Flush(); }
    MessageBatch(const MessageBatch&) = delete;
    MessageBatch& operator=(const MessageBatch&) = delete;

    // Lets the texts from now on wait for the next flush.
    void Gather() { gathering = true; }
    // Writes a message's text to the stream, or keeps it for the next flush while gathering.
    void Write(const char* text, std::size_t size);
    // Returns where a text of up to size bytes (at most kCapacity) may be written to be kept,
    // flushing the texts kept so far when they leave less room; nullptr unless gathering. Keep
    // then keeps what was written there.
    char* Room(std::size_t size) {
        if (!gathering || stream == nullptr) {
            return nullptr;
        }
        if (used + size > kCapacity) {
            Flush();
        }
        return kept + used;
    }
    void Keep(std::size_t size) { used += size; }
    // Writes the texts kept so far to the stream.
    void Flush() {
        if (used != 0) {
            WriteKept();
        }
    }

  private:
    void WriteKept();

    FILE* stream;
    bool gathering = false;
    std::size_t used = 0;
    char kept[kCapacity];
};
