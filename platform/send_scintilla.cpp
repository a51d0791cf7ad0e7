#include <Qsci/qsciscintillabase.h>

#include <QAccessible>
#include <dlfcn.h>

// QScintilla 2.13 tells the accessibility layer of every change and of every caret move,
// and to do so turns the byte position into a character offset with SCI_COUNTCHARACTERS
// from the start of the document: the editor walks every character before the change,
// about 95 ms at the end of a 20 MB program, once for the change and once more for the
// repaint. It does so whether or not anything listens; the events are dropped by Qt
// unless an assistive technology is active. Its accessibility code is the only user of
// SCI_COUNTCHARACTERS (ours never sends it) and reaches the editor through this exported
// member, so the program's own definition takes its place (the dynamic linker prefers
// it) and passes every message on to the library's, except that it answers the count
// with 0 while no assistive technology is active. With a screen reader running, the
// editor counts as before. Nothing needs to be installed or rebuilt for this.
//
// The replacement only holds while QScintilla is a shared library whose own calls go
// through the dynamic linker: a static QScintilla, a library linked with
// -Bsymbolic-functions or a build that drops this definition would quietly bring the
// walk back. A test asks the library's accessibility code for the count to catch that.
long QsciScintillaBase::SendScintilla(unsigned int msg, unsigned long wParam, long lParam) const {
    using Send = long (*)(const QsciScintillaBase*, unsigned int, unsigned long, long);
    static const Send library = reinterpret_cast<Send>(dlsym(RTLD_NEXT, "_ZNK17QsciScintillaBase13SendScintillaEjml"));
    if (msg == SCI_COUNTCHARACTERS && !QAccessible::isActive()) return 0;
    if (!library) qFatal("QScintilla's SendScintilla was not found beside the program's own");
    return library(this, msg, wParam, lParam);
}
