#include "app/quillmar_application.h"
#include "app/startup.h"
#include "platform/file_save.h"

int main(int argc, char** argv) {
    quillmar::ignoreFileSizeSignal();
    quillmar::QuillmarApplication app(argc, argv);
    return quillmar::Main();
}
