"""The summary perforex-dump prints for each drill file: the tool table with the holes drilled,
the contours routed and their length, the totals, the extents of everything drilled and routed
(holes at their size, contours at their width) and the verdict of the read."""

import math

_HOLE_TYPE_NAMES = {0: "Round", 1: "Square", 2: "Slot", 3: "Rectangle"}
_BREAK = -2147483648


def _mm(nanometres):
    return "%.4f" % (nanometres / 1e6)


def _inches(nanometres):
    return "%.5f" % (nanometres / 25.4e6)


class _Extents:
    def __init__(self):
        self.box = None

    def add_box(self, x, y, half_x=0.0, half_y=0.0):
        low_x, low_y, high_x, high_y = x - half_x, y - half_y, x + half_x, y + half_y
        if self.box:
            low_x, low_y = min(self.box[0], low_x), min(self.box[1], low_y)
            high_x, high_y = max(self.box[2], high_x), max(self.box[3], high_y)
        self.box = [low_x, low_y, high_x, high_y]

    def merge(self, other, margin=0.0):
        if other.box:
            self.add_box(other.box[0] - margin, other.box[1] - margin)
            self.add_box(other.box[2] + margin, other.box[3] + margin)


def _size_x(tool):
    return tool.diameter if tool.hole_type == 0 else tool.width


def _size_y(tool):
    return {0: tool.diameter, 1: tool.width}.get(tool.hole_type, tool.height)


def _half_spans(tool):
    turned = tool.hole_type != 0 and math.isfinite(tool.angle)
    radians = math.radians(tool.angle) if turned else 0.0
    cos, sin = abs(math.cos(radians)), abs(math.sin(radians))
    size_x, size_y = _size_x(tool), _size_y(tool)
    return (size_x * cos + size_y * sin) / 2.0, (size_x * sin + size_y * cos) / 2.0


def _route_width(tool):
    if tool.hole_type in (0, 1):
        return _size_x(tool)
    if tool.hole_type not in (2, 3) or not math.isfinite(tool.angle):
        return 0
    # Whole degrees, as the reader compares them.
    degrees = float(math.trunc(tool.angle))
    if math.fmod(degrees, 180.0) == 0.0:
        return tool.width
    return tool.height if math.fmod(degrees, 90.0) == 0.0 else 0


def _turn(start, end, clockwise):
    return math.fmod(start - end if clockwise else end - start, 2 * math.pi) % (2 * math.pi)


def _arc(pen, centre, end):
    """Returns the length of an arc about centre from pen to end, and its axis points."""
    radius = abs(centre[2])
    clockwise = centre[2] > 0
    start = math.atan2(pen[1] - centre[1], pen[0] - centre[0])
    turn = _turn(start, math.atan2(end[1] - centre[1], end[0] - centre[0]), clockwise)
    turn = turn or 2 * math.pi
    axes = [(centre[0] + radius * math.cos(d), centre[1] + radius * math.sin(d))
            for d in (q * math.pi / 2 for q in range(4)) if _turn(start, d, clockwise) <= turn]
    return radius * turn, axes


def _outline(contour):
    """Returns the length of a contour's centre line and its extents grown by half its width."""
    vertices = contour.vertices
    length, centre_line = 0.0, _Extents()
    pen = start = None
    for index, vertex in enumerate(vertices):
        if _BREAK in vertex:
            pen = None
        elif vertex[2] == 0:
            if pen:
                length += math.hypot(vertex[0] - pen[0], vertex[1] - pen[1])
            else:
                start = vertex
            pen = vertex
            centre_line.add_box(vertex[0], vertex[1])
        else:
            # A centre runs its arc from the pen to the vertex after it, or to the first vertex.
            end = vertices[index + 1 if index + 1 < len(vertices) else 0]
            if pen and _BREAK not in end:
                arc_length, axes = _arc(pen, vertex, end)
                length += arc_length
                for x, y in axes + [end[:2]]:
                    centre_line.add_box(x, y)
                pen = end
    if contour.closed and pen:
        length += math.hypot(start[0] - pen[0], start[1] - pen[1])
    stroke = _Extents()
    stroke.merge(centre_line, max(contour.width, 0) / 2.0)
    return length, stroke


class _Row:
    def __init__(self):
        self.definition = None
        self.holes = self.contours = 0
        self.length = 0.0


def _counted(count, noun):
    return "%d %s%s" % (count, noun, "" if count == 1 else "s")


def _verdict(board):
    """Counts the lines of the messages as perforex-dump does: an error starts with Error, a
    warning with Warning, and a line that starts with a blank continues a message."""
    errors = warnings = messages = 0
    for message in board.messages:
        for line in message.text.split("\n"):
            if line and line[0] not in " \t":
                messages += 1
                errors += line.startswith("Error")
                warnings += line.startswith("Warning")
    return "result: %d (%s, %s in %s)" % (board.result, _counted(errors, "error"),
                                          _counted(warnings, "warning"),
                                          _counted(messages, "message"))


def _deliveries(board):
    """Yields ('tool' | 'hole' | 'contour', item) in the order the reader delivered them."""
    holes, contours = iter(board.holes), iter(board.contours)
    delivered_holes = delivered_contours = 0
    places = board._contour_places

    def until(hole_count, contour_count):
        nonlocal delivered_holes, delivered_contours
        while delivered_holes < hole_count or delivered_contours < contour_count:
            if (delivered_contours < contour_count
                    and places[delivered_contours] <= delivered_holes):
                delivered_contours += 1
                yield "contour", next(contours)
            else:
                delivered_holes += 1
                yield "hole", next(holes)

    for tool, (hole_count, contour_count) in zip(board.tools, board._tool_places):
        yield from until(hole_count, contour_count)
        yield "tool", tool
    yield from until(len(board.holes), len(board.contours))


def write(out, path, board):
    rows, extents = {}, _Extents()
    for kind, item in _deliveries(board):
        row = rows.setdefault(item[2] if kind == "hole" else item[0], _Row())
        if kind == "tool":
            row.definition = item
        elif kind == "hole":
            row.holes += 1
            extents.add_box(item[0], item[1], *(_half_spans(row.definition)
                                                  if row.definition else (0.0, 0.0)))
        else:
            length, bounds = _outline(item)
            row.contours += 1
            row.length += length
            extents.merge(bounds)

    out.write("%s\n" % path)
    out.write("  %-6s %-9s %-21s %-21s %6s %10s %7s %8s %11s\n" % (
        "tool", "type", "size mm", "size in", "angle", "route mm", "holes", "contours",
        "length mm"))
    for number in sorted(rows):
        row, tool = rows[number], rows[number].definition
        name = "none" if number < 0 else "T%d" % number
        if tool is None:
            out.write("  %-6s %-9s %-21s %-21s %6s %10s %7d %8d %11s\n" % (
                name, "undefined", "-", "-", "-", "-", row.holes, row.contours, _mm(row.length)))
            continue
        sizes = [_mm(tool.diameter), _inches(tool.diameter)] if tool.hole_type == 0 else [
            unit(_size_x(tool)) + " x " + unit(_size_y(tool)) for unit in (_mm, _inches)]
        plating = "" if tool.plating == "unknown" else " " + tool.plating
        out.write("  %-6s %-9s %-21s %-21s %6g %10s %7d %8d %11s%s\n" % (
            name, _HOLE_TYPE_NAMES.get(tool.hole_type, "Unknown"), sizes[0], sizes[1],
            tool.angle, _mm(_route_width(tool)), row.holes, row.contours, _mm(row.length),
            plating))

    length = sum(row.length for row in rows.values())
    out.write("  holes: %d\n" % sum(row.holes for row in rows.values()))
    out.write("  contours: %d, length %s mm (%s in)\n" % (
        sum(row.contours for row in rows.values()), _mm(length), _inches(length)))
    if extents.box is None:
        out.write("  extents: none\n")
    else:
        low_x, low_y, high_x, high_y = extents.box
        out.write("  extents: x %s .. %s mm, y %s .. %s mm, size %s x %s mm (%s x %s in)\n" % (
            _mm(low_x), _mm(high_x), _mm(low_y), _mm(high_y), _mm(high_x - low_x),
            _mm(high_y - low_y), _inches(high_x - low_x), _inches(high_y - low_y)))
    out.write("  %s\n\n" % _verdict(board))
