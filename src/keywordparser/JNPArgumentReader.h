#pragma once

#include "keywordparser/JNPDefinitions.h"
#include "keywordparser/JNPMessageSink.h"
#include "keywordparser/JNPResult.h"
#include "keywordparser/JNPScanner.h"

// Reads the arguments of one keyword construct by the keyword's argument type, reporting and
// dropping every token that does not fit, then checks their number.
class JNPArgumentReader {
  public:
    // Uses token, a buffer of JNPScanner::kTokenSize bytes, for the tokens it reads.
    JNPArgumentReader(JNPScanner& scanner, JNPDefinitions& definitions, JNPMessageSink& sink,
                      char* token)
        : scanner(scanner), definitions(definitions), sink(sink), token(token) {}

    // Reads the arguments of construct, leaving the token that ends them pushed back.
    void Read(JNPResult& construct);

  private:
    void ReadList(JNPResult& construct);
    // Each Take function handles the current token for one argument type; it returns false when
    // the token ends the list and has been pushed back.
    bool TakeInteger(JNPResult& construct, int tokenType);
    bool TakeDouble(JNPResult& construct, int tokenType);
    bool TakeString(JNPResult& construct, int tokenType);
    bool TakeConstant(JNPResult& construct, int tokenType);
    // Pushes the current token back and returns false.
    bool EndList();
    bool IsConstant() const;
    // Reports the current token with format, then where it stands, and counts the error.
    void ReportToken(const JNPResult& construct, const char* format,
                     const char* location = "   in keyword <%s> at line # %d\n");
    void CheckCount(JNPResult& construct);
    // Reports an argument count problem with its location line.
    void ReportCount(const JNPResult& construct, const char* format, int first, int second = 0);

    JNPScanner& scanner;
    JNPDefinitions& definitions;
    JNPMessageSink& sink;
    char* token;
};
