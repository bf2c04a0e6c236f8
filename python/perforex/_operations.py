"""Merge and step of what reads delivered, on plain data: tools with the places where each was
defined, holes as flat (x, y, tool) values, contours with the places where each was routed. A
place is the number of holes (and, for a tool, contours) delivered before it."""

import array

_INT32_MIN, _INT32_MAX = -2 ** 31, 2 ** 31 - 1


class Content:
    """One board's content: tools, tool_places, holes (flat values), contours, contour_places."""

    def __init__(self, tools, tool_places, holes, contours, contour_places):
        self.tools = tools
        self.tool_places = tool_places
        self.holes = holes
        self.contours = contours
        self.contour_places = contour_places


def _key(tool):
    # Tools whose plating differs are never merged.
    return tool[1:6] + (getattr(tool, "plating", "unknown"),)


class _ToolMap:
    """Maps the tool numbers of one input onto the merged tools: by the definition in force where
    a hole or contour was delivered, else the number's first definition, else a tool of its own
    that no definition states."""

    def __init__(self, source, content, numbers, undefined):
        self.source = source
        self.definitions = list(zip(content.tool_places, content.tools, numbers))
        self.first = {}
        for _, tool, number in reversed(self.definitions):
            self.first[tool.number] = number
        self.undefined = undefined

    def numbers(self, tools, place_of):
        """Yields the merged number of each tool in order; place_of picks the count of the kind
        delivered before a definition."""
        in_force, definition = {}, 0
        for index, tool in enumerate(tools):
            while (definition < len(self.definitions) and
                   place_of(self.definitions[definition][0]) <= index):
                _, defined, number = self.definitions[definition]
                in_force[defined.number] = number
                definition += 1
            yield self.number(tool, in_force)

    def number(self, tool, in_force):
        if tool < 0:
            return tool
        if tool in in_force:
            return in_force[tool]
        if tool in self.first:
            return self.first[tool]
        return self.undefined(self, tool)


def merge(contents):
    """Returns the Content of one program holding every content in order: a tool for each
    distinct definition (hole type, sizes, angle and plating), numbered 1, 2, 3 ... in order of
    first definition; the holes of each input after those of the one before, likewise the
    contours."""
    made, tools, tool_places, numbers_of = {}, [], [], []
    holes_before = contours_before = 0
    for content in contents:
        numbers = []
        for place, tool in zip(content.tool_places, content.tools):
            if _key(tool) not in made:
                made[_key(tool)] = len(tools) + 1
                tools.append(tool._replace(number=len(tools) + 1))
                tool_places.append((place[0] + holes_before, place[1] + contours_before))
            numbers.append(made[_key(tool)])
        numbers_of.append(numbers)
        holes_before += len(content.holes) // 3
        contours_before += len(content.contours)
    undefined = {}

    def undefined_number(tool_map, tool):
        return undefined.setdefault((tool_map.source, tool), len(tools) + len(undefined) + 1)

    holes, contours, contour_places = array.array("i"), [], []
    for source, (content, numbers) in enumerate(zip(contents, numbers_of)):
        tool_map = _ToolMap(source, content, numbers, undefined_number)
        values = content.holes
        mapped = tool_map.numbers(values[2::3], lambda place: place[0])
        offset = len(holes) // 3
        for index, tool in enumerate(mapped):
            holes.extend((values[3 * index], values[3 * index + 1], tool))
        mapped = tool_map.numbers([contour.tool for contour in content.contours],
                                  lambda place: place[1])
        for contour, place, tool in zip(content.contours, content.contour_places, mapped):
            contours.append(contour._replace(tool=tool))
            contour_places.append(place + offset)
    return Content(tools, tool_places, holes, contours, contour_places)


def step(content, columns, rows, dx, dy):
    """Returns the Content of columns x rows copies of content, copy (c, r) moved by (c * dx,
    r * dy), made row by row; raises ValueError when a place leaves the 32-bit range."""
    for name, value in (("columns", columns), ("rows", rows), ("dx", dx), ("dy", dy)):
        if not isinstance(value, int) or isinstance(value, bool):
            raise TypeError("%s must be an int, not %s" % (name, type(value).__name__))
    if columns < 1 or rows < 1:
        raise ValueError("a panel has at least one column and one row, not %d x %d" %
                         (columns, rows))
    _check_range(content, (columns - 1) * dx, (rows - 1) * dy)
    holes, contours, contour_places = array.array("i"), [], []
    xs, ys, tools = content.holes[0::3], content.holes[1::3], content.holes[2::3]
    for row in range(rows):
        for column in range(columns):
            shift_x, shift_y = column * dx, row * dy
            copy = len(holes) // 3
            for x, y, tool in zip(xs, ys, tools):
                holes.extend((x + shift_x, y + shift_y, tool))
            for contour, place in zip(content.contours, content.contour_places):
                contours.append(contour._replace(
                    vertices=[_moved(vertex, shift_x, shift_y) for vertex in contour.vertices]))
                contour_places.append(copy + place)
    return Content(content.tools, content.tool_places, holes, contours, contour_places)


def _is_break(vertex):
    return _INT32_MIN in vertex


def _moved(vertex, shift_x, shift_y):
    if _is_break(vertex):
        return vertex
    return (vertex[0] + shift_x, vertex[1] + shift_y, vertex[2])


def _check_range(content, most_x, most_y):
    """Raises ValueError when a hole or vertex of content moved by up to (most_x, most_y) leaves
    the 32-bit range of nanometres."""
    points = [(content.holes[0::3], content.holes[1::3], "hole")]
    vertices = [vertex for contour in content.contours for vertex in contour.vertices
                if not _is_break(vertex)]
    points.append(([v[0] for v in vertices], [v[1] for v in vertices], "contour vertex"))
    for xs, ys, what in points:
        for values, most, axis in ((xs, most_x, "x"), (ys, most_y, "y")):
            if not len(values):
                continue
            low, high = min(values) + min(most, 0), max(values) + max(most, 0)
            if low < _INT32_MIN or high > _INT32_MAX:
                raise ValueError("stepped, a %s reaches %s = %d nm, beyond the 32-bit range of "
                                 "nanometres" % (what, axis, low if low < _INT32_MIN else high))
