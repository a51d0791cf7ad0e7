#include "cycles/user_graphic.h"

#include "common/format.h"
#include "common/read_number.h"
#include "common/runtime_error.h"
#include "common/shared_state.h"
#include "cycles/program_text.h"
#include "cycles/work_shape_values.h"

namespace quillmar {

void executeUserGraphic(const UgcInput& in, SharedState& state) {
    WorkShape work = state.workShape;
    double pZero = ReadNumber(in.Text9);
    double jawClamp = ReadNumber(in.Text1);
    double jawDepth = ReadNumber(in.Text2);
    const double od = ReadNumber(in.Text5);
    const double length = ReadNumber(in.Text3);
    const Single id = singleOf(ReadNumber(in.Text4));
    const double centreLength = ReadNumber(in.Text8);
    const double centreDia = ReadNumber(in.Text7);
    const double centreD2 = ReadNumber(in.Text6);

    const double chuck = in.OD ? od : double(id);
    const QString sub = in.SubSpindle ? QStringLiteral("[S]") : QString();

    // The subprogram is built aside and handed over whole, so that a failure midway
    // leaves the previous output as it was.
    SharedState scratch;
    ProgramText l(scratch);
    l.first("\t");
    l.add("----------< USER GRAPHIC COMMAND >----------");
    l.add("OUGC");
    l.add({"NOEX VCHKX=", FormatCoordValue(chuck), " VCHKZ=", FormatCoordValue(pZero - length)});
    l.add({"NOEX VCHKD=", FormatCoord(jawDepth), " VCHKL=", FormatCoord(jawClamp)});
    if (in.Check1) {
        l.add({"NOEX VTSDA=", FormatCoordValue(centreD2), " VTSDB=", FormatCoordValue(centreDia)});
        l.add({"NOEX VTSL=", FormatCoordValue(centreLength), " VWKR=", FormatCoord(pZero)});
    } else if (!in.SubSpindle) {
        l.add("NOEX VWKR=393");
    }
    l.add("N000 CLEAR");
    l.add({"N000 DEF WORK", sub});
    l.add({"N000 PS RC,[", FormatCoordValue(wholePart(checkedMul(10, pZero))), ",0],[",
           FormatCoordValue(checkedMul(10, length)), ",", FormatCoordValue(checkedMul(10, od)), "]"});
    // The bore, drawn only when there is one.
    const bool bore = id.value() > 0.0f;
    if (bore)
        l.add({"N000 PS RC,[", FormatCoordValue(checkedMul(10, pZero)), ",0],[", FormatCoordValue(checkedMul(10, length)),
               ",", FormatCoordValue(singleOf(10 * double(id))), "],0"});
    l.add("N000 END");
    if (in.Check2) {
        l.add({"N000 DEF WORKF", sub});
        l.add({"N000 PF 0,[0,0],", FormatCoordValue(checkedMul(10, od)), ",D"});
        if (bore) {
            // Half the diameter the PF line writes, so taken in double precision.
            const QString radius = FormatCoordValue(double(id) / 2 * 10);
            l.add({"N000 PF 0,[0,0],", FormatCoordValue(singleOf(10 * double(id))), ",D,0"});
            l.add({"N000 PO [0,", radius, "]"});
            l.add({"N000 CI [0,0],[0,-", radius, "],R,0"});
        }
        l.add("N000 END");
    }
    l.add("N000 DRAW");
    l.add("NRTS RTS");

    work.gPZero = pZero;
    work.gJawClamp = jawClamp;
    work.gJawDepth = jawDepth;
    work.gMaterialOD = od;
    work.gLengthOL = length;
    work.gMaterialID = id;
    if (in.Check3)
        work.gUgcCallEnabled = true;
    state.workShape = work;
    state.gOutputText = l.text();
}

}  // namespace quillmar
