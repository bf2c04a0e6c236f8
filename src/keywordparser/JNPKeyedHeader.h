#pragma once

#include <cstddef>

// The header of a keyed keyword file: three marker bytes, a key length and the key with which
// every payload byte is XORed.
class JNPKeyedHeader {
  public:
    // Reads the header at the start of the size bytes of file.
    JNPKeyedHeader(const char* file, std::size_t size);

    // Returns whether the file starts like a keyed file.
    bool IsKeyed() const { return keyed; }
    // Returns whether the key length is valid and the key lies inside the file.
    bool FitsFile() const { return fits; }
    // Returns the number of bytes before the payload.
    std::size_t Length() const { return length; }
    // Writes the size bytes of payload, XORed with the key from its first byte, to plain.
    void Decode(const char* payload, char* plain, std::size_t size) const;

  private:
    const char* key = nullptr;
    std::size_t keyLength = 0;
    std::size_t length = 0;
    bool keyed = false;
    bool fits = false;
};
