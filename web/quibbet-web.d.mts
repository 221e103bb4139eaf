// SPDX-FileCopyrightText: 2026 The Quibbet developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The module that Emscripten writes beside the page's own code.

export interface QuibbetModule {
  ccall(name: string, returns: string | null, args: string[], values: unknown[]): unknown;
  UTF8ToString(pointer: number): string;
  _quibbet_start(): void;
  _quibbet_click(control: number): void;
  _quibbet_close(window: number): void;
  _quibbet_pointer(x: number, y: number): void;
  _quibbet_takes_key(window: number, code: number): number;
  _quibbet_key(window: number, code: number, repeat: number): void;
  _quibbet_focus(window: number, index: number): void;
  _quibbet_submits(control: number): number;
  _quibbet_key_submits(window: number, code: number): number;
  _quibbet_table_changed(): void;
  _quibbet_out_of_sight(hidden: number): void;
  _quibbet_release_key(code: number): void;
  _quibbet_gamepad(x: number, y: number, buttons: number): void;
  _quibbet_lose_keyboard(): void;
  _quibbet_answer_next(answer: number): void;
  _quibbet_advance(): number;
  _quibbet_ticking(): number;
  _quibbet_ended(): number;
  _quibbet_active(): number;
  _quibbet_state(window: number): number;
  _quibbet_generation(window: number): number;
  _quibbet_take_changes(): number;
  _quibbet_window_changes(window: number): number;
  _quibbet_changed_controls(window: number, half: number): number;
  _quibbet_window_field(window: number, field: number): number;
  _quibbet_caption(window: number): number;
  _quibbet_field(window: number, index: number, field: number): number;
  _quibbet_text(window: number, index: number, which: number): number;
  _quibbet_notice(line: number): number;
  _quibbet_choices(): number;
  _quibbet_choice_notice(): number;
  _quibbet_effect(cue: number): number;
  _quibbet_effect_length(): number;
  _quibbet_effect_rate(): number;
  HEAP16: Int16Array;
}
export interface QuibbetOptions {
  showMessageBox(text: string, title: string, style: number): void;
  playCue(cue: number): void;
  silence(): void;
  /** Instantiates the module with Emscripten's imports, then hands the instance back. */
  instantiateWasm(
    imports: WebAssembly.Imports,
    receive: (instance: WebAssembly.Instance, module: WebAssembly.Module) => void,
  ): object;
}
export default function createQuibbet(options: QuibbetOptions): Promise<QuibbetModule>;
