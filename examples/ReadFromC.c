/* Reads a drill file from C with its format detected, as perforex-dump reads it, and prints its
 * tools, its holes and what it routed. Everything the read delivered stays in one result, which
 * one call frees. */
#include <stdio.h>

#include "perforex/perforex_c.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s DRILL_FILE\n", argv[0]);
        return 2;
    }
    pfx_result* board = NULL;
    if (pfx_read_file(argv[1], NULL, PFX_FORMAT_DETECT, &board) != PFX_OK) {
        fprintf(stderr, "%s\n", pfx_error_text(board));
        pfx_result_free(board);
        return 2;
    }
    const pfx_tool* tools = pfx_tools(board);
    for (size_t index = 0; index < pfx_tool_count(board); ++index) {
        printf("tool %d: diameter %d nm\n", (int)tools[index].number, (int)tools[index].diameter);
    }
    /* x, y and tool of each hole, one after the other. */
    const int32_t* holes = pfx_holes(board);
    for (size_t index = 0; index < pfx_hole_count(board); ++index) {
        printf("hole %d %d tool %d\n", (int)holes[3 * index], (int)holes[3 * index + 1],
               (int)holes[3 * index + 2]);
    }
    const int result = pfx_result_code(board);
    printf("%zu contours, %zu messages, result %d\n", pfx_contour_count(board),
           pfx_message_count(board), result);
    pfx_result_free(board);
    return result == 1 ? 0 : 1;
}
