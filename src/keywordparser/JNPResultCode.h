#pragma once

// What preparing a parse came to; the values are those the keyword engine has always returned.
enum JNPResultCode : int {
    JNP_SUCCESS = 0,
    JNP_FILE_ERROR = 3,   // the keyword file cannot be opened, measured or read
    JNP_NO_MEMORY = 5,    // memory for the trees, the text or the scanner is short
    JNP_TABLE_ERROR = 7,  // a definition table record cannot be inserted
};
