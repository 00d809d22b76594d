#pragma once
// The columns of each kind of net row, in the order they are declared. The
// row views read and write a row through them; the undo history patches a
// net column by column through them, so a new column is listed here once.

#include "KorNets.h"
#include "NetRows.h"

namespace korvado {

struct RunColumns {
  using Row = NetRun;
  template <class Table, class Visitor>
  static void Visit(Table& t, Visitor&& visit) {
    visit(t.RunBackPoints, &NetRun::back);
    visit(t.RunForePoints, &NetRun::fore);
    visit(t.RunBackTypes, &NetRun::backType);
    visit(t.RunForeTypes, &NetRun::foreType);
    visit(t.RunHeights, &NetRun::height);
    visit(t.RunSetups, &NetRun::setups);
    visit(t.RunRefs, &NetRun::refs);
  }
};

struct PendentColumns {
  using Row = PendentRun;
  template <class Table, class Visitor>
  static void Visit(Table& t, Visitor&& visit) {
    visit(t.PendentTypes, &PendentRun::type);
    visit(t.PendentBackPoints, &PendentRun::back);
    visit(t.PendentForePoints, &PendentRun::fore);
    visit(t.PendentSetups, &PendentRun::setups);
    visit(t.PendentHeights, &PendentRun::height);
    visit(t.PendentRefs, &PendentRun::refs);
  }
};

struct SectionColumns {
  using Row = Section;
  template <class Net, class Visitor>
  static void Visit(Net& net, Visitor&& visit) {
    visit(net.SectionStarts, &Section::start);
    visit(net.SectionEnds, &Section::end);
    visit(net.SectionStartTypes, &Section::startType);
    visit(net.SectionEndTypes, &Section::endType);
    visit(net.SectionHeights, &Section::height);
    visit(net.SectionSetups, &Section::setups);
  }
};

struct PointColumns {
  using Row = NetPoint;
  template <class Net, class Visitor>
  static void Visit(Net& net, Visitor&& visit) {
    visit(net.PointNames, &NetPoint::name);
    visit(net.PointTypes, &NetPoint::type);
    visit(net.PointElevations, &NetPoint::elevation);
  }
};

}  // namespace korvado
