#!/usr/bin/env python3
"""Draws every picture of the resource script into res/artwork/.

The generated files are kept in the repository, so the build does not run this
script; run it again after changing a picture:  python3 tools/artwork/draw_artwork.py"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import cursors  # noqa: E402
import editor_glyphs  # noqa: E402
import formats  # noqa: E402
import glyphs as g  # noqa: E402
import pictures  # noqa: E402

OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'res', 'artwork')

WHITE = (255, 255, 255)
TOOLBAR_MASK = (192, 192, 192)
GREEN_MASK = (0, 255, 0)
ICON_TRANSPARENT = (255, 0, 255)

# Strips of 16 x 16 images: file, mask colour, glyphs in image order.
STRIPS = [
    ('toolbar_standard.bmp', TOOLBAR_MASK,
     [g.new_project, g.open_project, g.save_project, g.close_project, g.print_preview, g.print_document,
      g.cut, g.copy, g.paste, g.undo, g.redo]),
    ('toolbar_project.bmp', TOOLBAR_MASK,
     [g.new_subroutine, g.new_interrupt, g.show_global_names, g.cross_reference]),
    ('toolbar_ladder.bmp', TOOLBAR_MASK,
     [g.new_network, g.left_contact, g.right_contact, g.parallel_contact, g.function_block,
      g.parallel_branch, g.parallel_coil, g.delete_element, g.delete_network]),
    ('toolbar_plc.bmp', TOOLBAR_MASK,
     [g.compile_project, g.download, g.monitor, g.force, g.unforce]),
    ('instruction_tree.bmp', WHITE,
     [g.ld_group, g.ld_instruction, g.il_instruction, g.il_group]),
    ('project_tree.bmp', WHITE,
     [g.project, g.programs_folder, g.ld_program, g.status_table, g.hardware_configuration,
      g.configuration_folder, g.resources_folder, g.global_variable_table, g.pc_communication,
      g.main_program, g.il_program, g.init_data_table]),
    ('module_tree.bmp', WHITE, [g.cpu_model, g.expansion_model, g.module_group]),
    ('menubar_system.bmp', TOOLBAR_MASK,
     [g.window_restore, g.window_minimize, g.window_maximize, g.window_close]),
    ('tab_groups.bmp', GREEN_MASK, [g.new_horizontal_tab_group, g.new_vertical_tab_group]),
    ('image_editor_tools.bmp', TOOLBAR_MASK, editor_glyphs.STRIP),
]

CURSORS = [
    ('gutter.cur', cursors.gutter),
    ('branch_tool.cur', cursors.branch_tool),
    ('drag_copy.cur', cursors.drag_copy),
    ('drag_move.cur', cursors.drag_move),
    ('drag_delete.cur', cursors.drag_delete),
    ('hand.cur', cursors.hand),
    ('hand_no_entry.cur', cursors.hand_no_entry),
    ('split_horizontal.cur', cursors.split_horizontal),
    ('split_vertical.cur', cursors.split_vertical),
    ('drop_allowed.cur', cursors.drop_allowed),
    ('drop_refused.cur', cursors.drop_refused),
    ('image_editor_shape.cur', editor_glyphs.shape_cursor),
    ('image_editor_pick.cur', editor_glyphs.pick_cursor),
    ('image_editor_fill.cur', editor_glyphs.fill_cursor),
    ('image_editor_pencil.cur', editor_glyphs.pencil_cursor),
]


def output(name):
    return os.path.join(OUTPUT, name)


def main():
    os.makedirs(OUTPUT, exist_ok=True)
    for name, mask, drawings in STRIPS:
        formats.write_bmp(output(name), g.strip(drawings, mask))
    for name, draw in CURSORS:
        rows, hotspot = draw()
        formats.write_cur(output(name), rows, hotspot)
    formats.write_bmp32(output('image_editor_tools_alpha.bmp'), g.strip(editor_glyphs.STRIP, TOOLBAR_MASK), TOOLBAR_MASK)
    formats.write_bmp(output('splash.bmp'), pictures.splash())
    formats.write_ico(output('application.ico'),
                      [pictures.application_icon(32), pictures.application_icon(16)], ICON_TRANSPARENT)
    formats.write_ico(output('document.ico'),
                      [pictures.document_icon(32), pictures.document_icon(16)], ICON_TRANSPARENT)
    formats.write_bmp(output('detect_idle.bmp'), pictures.detection_scene(-1))
    frames = [pictures.detection_scene(i) for i in range(5)]
    formats.write_animated_gif(output('detecting.gif'), frames, pictures.DETECT_PALETTE, 15)


if __name__ == '__main__':
    main()
