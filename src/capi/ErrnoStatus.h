#pragma once

// The status of the C interface for a failed access to a file.
class ErrnoStatus {
  public:
    // Returns the status for the errno of a failed open, rename or write of a file; otherwise
    // for an error that names no missing file, directory or permission.
    static int Of(int error, int otherwise);
};
