#include "app/quillmar_application.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    quillmar::QuillmarApplication app(argc, argv);
    return quillmar::Main();
}
