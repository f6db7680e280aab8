#pragma once
// A started print document that is aborted unless it was ended properly.

#include <windows.h>

namespace tagmora {

class PrinterDocument {
  public:
    PrinterDocument(HDC printer, const char* name) : printer_(printer) {
        DOCINFOA document{};
        document.cbSize = sizeof(document);
        document.lpszDocName = name;
        started_ = StartDocA(printer_, &document) > 0;
    }
    ~PrinterDocument() {
        if (started_)
            AbortDoc(printer_);
    }
    PrinterDocument(const PrinterDocument&) = delete;
    PrinterDocument& operator=(const PrinterDocument&) = delete;
    bool Started() const { return started_; }
    bool End() {
        const bool ended = EndDoc(printer_) > 0;
        started_ = !ended;  // a document that failed to end is aborted
        return ended;
    }

  private:
    HDC printer_;
    bool started_ = false;
};

}  // namespace tagmora
