; Stand-in game: shows the level record built into this file and scrolls it with the joystick.
;
; Screen: two lines of text (the record's title and level line), then the ten level rows. A level
; cell is a block of 2 x 2 characters in ANTIC mode 4: codes c and c + 1 side by side, the upper
; eight scan lines from bank 1 and the lower eight from bank 2 of the character sets. Both mode
; lines of a row show the same 256 screen bytes; display-list interrupts switch CHBASE between
; the halves and set each row's five colours before its first scan line. Codes with bit 7 set draw
; pixel code 3 in COLPF3 instead of COLPF2, the level's fifth colour.

        .include "hardware.inc"
        .include "record.inc"

        .import record, bank1, bank2, rows, text
        .export start, dlist, idle

VISIBLE   = 20                          ; cells on screen
MAXPOS    = (COLUMNS - VISIBLE) * 8     ; last view position in colour clocks (a cell is 8 wide)
SLOW      = 1                           ; colour clocks per frame
FAST      = 4                           ; with the button held
ROWBYTES  = 256                         ; screen bytes of one level row: 128 cells x 2 codes

TEXTBACK  = $00                         ; text lines: background, letters, border
TEXTLUM   = $0C
BORDER    = $00

; Zero page, free while the program runs (the cartridge language is never entered)
pos       = $80                         ; two bytes: view position, 0 .. MAXPOS
nxcol     = $82                         ; five bytes: row 0's colours, for dli_top
dlrow     = $87                         ; row whose lower half is being drawn
step      = $88                         ; scroll speed of this frame
tmp       = $89
srcptr    = $8A                         ; two bytes, set-up only
dstptr    = $8C                         ; two bytes, set-up only
page      = $8E                         ; LMS page of the row being placed
cur       = $8F                         ; set-up only: offset of a row's colour line
dst       = $90                         ; set-up only: offset of a row's plan
pass      = $91                         ; set-up only: 0 = changed colours, 1 = the others
same      = $92                         ; set-up only: 1 when a colour equals the row above's
kcol      = $93                         ; set-up only: colour 0-4

; Page 6 is free: the order in which each row's interrupt writes its colours (see makeplan)
plan      = $0600                       ; 10 bytes per row: five register numbers, then five values

; ---------------------------------------------------------------------------------------------
; Display list. It sits at the start of its segment and is shorter than 1K, so it never crosses
; a 1K boundary. Each mode line of the level fetches 48 bytes (horizontal scrolling widens the
; fetch); the 40 shown are picked by the LMS address and HSCROL, which the vertical-blank
; routine sets from the view position. The addresses here are those of position 0.
; ---------------------------------------------------------------------------------------------
        .segment "DLIST"
dlist:
        .byte $70, $70, $70                     ; 24 blank lines
        .byte $42, <text, >text                 ; mode 2: title
        .byte $02                               ; mode 2: level line
        .byte $80                               ; blank line, interrupt: row 0's colours
        .byte $00                               ; blank line
dlrows:
        .repeat ROWS, r
        .byte $D4, <(rows + r * ROWBYTES - 1), >(rows + r * ROWBYTES - 1)      ; upper half
          .if r < ROWS - 1
        .byte $D4, <(rows + r * ROWBYTES - 1), >(rows + r * ROWBYTES - 1)      ; lower half
          .else
        .byte $54, <(rows + r * ROWBYTES - 1), >(rows + r * ROWBYTES - 1)      ; last: no interrupt
          .endif
        .endrepeat
        .byte $41, <dlist, >dlist               ; wait for vertical blank, start again
dlend:
        .assert (dlist / 1024) = ((dlend - 1) / 1024), error, "display list crosses a 1K boundary"

; ---------------------------------------------------------------------------------------------
; Start: build the screen from the record, hook the interrupts, then idle. All later work happens
; in the vertical-blank routine and the display-list interrupts.
; ---------------------------------------------------------------------------------------------
        .segment "CODE"
start:
        cld
        lda #0
        sta NMIEN                       ; no VBI or DLI while vectors and pointers change

        ; Screen rows: cell code c becomes the codes (c and $FE) and (c or 1), the two
        ; characters of its pattern, as the level editor reads a cell (code div 2).
        lda #<(record + REC_CELLS)
        sta srcptr
        lda #>(record + REC_CELLS)
        sta srcptr+1
        lda #<rows
        sta dstptr
        lda #>rows
        sta dstptr+1
        ldx #ROWS
@row:   ldy #0
@cell:  lda (srcptr),y
        and #$FE
        sta tmp
        tya
        asl a
        tay                             ; Y = 2 x
        lda tmp
        sta (dstptr),y
        ora #1
        iny
        sta (dstptr),y
        tya
        lsr a
        tay                             ; Y = x again
        iny
        bpl @cell                       ; 128 cells
        clc
        lda srcptr
        adc #COLUMNS
        sta srcptr
        bcc :+
        inc srcptr+1
:       inc dstptr+1                    ; next screen row, one page further
        dex
        bne @row

        ; Text lines: 4 blanks, the 32 codes of the field, 4 blanks. The record's text codes are
        ; the screen codes of the ROM characters except the blank, which is 32 there and 0 here.
        ldx #79
        lda #0
@clear: sta text,x
        dex
        bpl @clear
        ldx #31
@text:  lda record + REC_TITLE,x
        jsr screencode
        sta text + 4,x
        lda record + REC_LEVEL,x
        jsr screencode
        sta text + 44,x
        dex
        bpl @text

        ; Shadows the system copies every frame: text colours, ROM font, normal playfield.
        lda #TEXTLUM
        sta COLOR1
        lda #TEXTBACK
        sta COLOR2
        lda #BORDER
        sta COLOR4
        lda #ROMFONT
        sta CHBAS
        lda #0
        sta GPRIOR
        sta ATRACT
        sta pos
        sta pos+1
        lda #$22                        ; display-list DMA, normal playfield
        sta SDMCTL
        lda #<dlist
        sta SDLSTL
        lda #>dlist
        sta SDLSTL+1
        lda #<vbi
        sta VVBLKI
        lda #>vbi
        sta VVBLKI+1
        lda #<dli_top
        sta VDSLST
        lda #>dli_top
        sta VDSLST+1
        jsr place
        jsr makeplan
        lda #$C0                        ; VBI and DLI on
        sta NMIEN
idle:   jmp idle

; The ROM screen code of a record text code.
screencode:
        cmp #TEXT_BLANK
        bne :+
        lda #0
:       rts

; ---------------------------------------------------------------------------------------------
; Vertical blank (immediate): restart the interrupt chain, read the joystick, place the view.
; The text lines' registers are written here too, so a frame in which the system skips its
; shadow copies still starts right.
; ---------------------------------------------------------------------------------------------
vbi:
        lda #0
        sta ATRACT
        sta dlrow
        lda #<dlist
        sta DLISTL
        lda #>dlist
        sta DLISTH
        lda #ROMFONT
        sta CHBASE
        lda #TEXTLUM
        sta COLPF1
        lda #TEXTBACK
        sta COLPF2
        lda #BORDER
        sta COLBK
        lda #<dli_top
        sta VDSLST
        lda #>dli_top
        sta VDSLST+1
        ldx #4
@col:   lda record + REC_COLOURS,x      ; colour line 1 for row 0
        sta nxcol,x
        dex
        bpl @col
        jsr steer
        jsr place
        jmp SYSVBV

; Joystick left/right, or the arrow keys (CONTROL with + or *), move the view; the button speeds
; it up. The view stops at both ends of the level.
steer:
        ldx #SLOW
        lda TRIG0
        bne :+
        ldx #FAST
:       stx step
        lda PORTA
        and #$04
        beq left
        lda PORTA
        and #$08
        beq right
        lda SKSTAT
        and #$04
        bne done                        ; no key held
        lda KBCODE
        and #$3F                        ; without SHIFT and CONTROL
        cmp #$06                        ; +: arrow left
        beq left
        cmp #$07                        ; *: arrow right
        beq right
done:   rts

left:   sec
        lda pos
        sbc step
        sta pos
        lda pos+1
        sbc #0
        sta pos+1
        bcs done
        lda #0                          ; went below 0
        sta pos
        sta pos+1
        rts

right:  clc
        lda pos
        adc step
        sta pos
        lda pos+1
        adc #0
        sta pos+1
        cmp #>MAXPOS
        bcc done
        bne @clamp
        lda pos
        cmp #<MAXPOS
        bcc done
        beq done
@clamp: lda #<MAXPOS
        sta pos
        lda #>MAXPOS
        sta pos+1
        rts

; View position pos (colour clocks) -> HSCROL and the LMS addresses of the 20 level lines.
; With scrolling on, byte k of a fetched line starts 4 k + HSCROL - 16 colour clocks from the left
; edge of the normal playfield. With c = pos div 4 and f = pos mod 4, each line starts at byte
; c - 1 of its row and HSCROL = 12 - f, so character c begins f colour clocks left of the edge.
place:
        lda pos
        and #3
        sta tmp
        lda #12
        sec
        sbc tmp
        sta HSCROL
        lda pos+1
        sta tmp
        lda pos
        lsr tmp
        ror a
        lsr tmp
        ror a                           ; A = c, 0 .. 216
        sec
        sbc #1
        sta tmp                         ; low byte of c - 1 in every row
        lda #.hibyte(rows) - 1
        adc #0                          ; carry is clear only for c = 0: the page before
        sta page
        ldx #0
@line:  lda tmp
        sta dlrows + 1,x
        sta dlrows + 4,x
        lda page
        sta dlrows + 2,x
        sta dlrows + 5,x
        inc page                        ; next row: next page
        txa
        clc
        adc #6
        tax
        cpx #ROWS * 6
        bne @line
        rts

; ---------------------------------------------------------------------------------------------
; Row plans, made once at the start: for each row from 1 on, the order in which its interrupt
; writes the five colours. Colours that differ from the row above come first, in the order of
; colregs; the rest follow and only write again what the registers hold already. Row r's plan is
; at plan + 10 r: the low bytes of the five registers, then their five values.
; ---------------------------------------------------------------------------------------------
makeplan:
        lda #5
        sta cur
        lda #10
        sta dst
@row:   ldy dst
        lda #0
        sta pass
@pass:  ldx #0
@col:   stx kcol
        txa
        clc
        adc cur
        tax                             ; X = 5 r + k
        lda #0
        sta same
        lda record + REC_COLOURS,x
        cmp record + REC_COLOURS - 5,x  ; the same colour of the row above
        bne :+
        inc same
:       lda same
        cmp pass
        bne @next
        lda record + REC_COLOURS,x
        sta plan + 5,y
        ldx kcol
        lda colregs,x
        sta plan,y
        iny
@next:  ldx kcol
        inx
        cpx #5
        bne @col
        inc pass
        lda pass
        cmp #2
        bne @pass
        clc
        lda cur
        adc #5
        sta cur
        lda dst
        adc #10
        sta dst
        cmp #10 * ROWS
        bne @row
        rts

colregs:                                ; background, pixel codes 1, 2, 3, inverse 3
        .byte <COLBK, <COLPF0, <COLPF1, <COLPF2, <COLPF3
        .assert >COLBK = >COLPF0 && >COLPF0 = >COLPF3, error, "the colour registers share one page"

; ---------------------------------------------------------------------------------------------
; Display-list interrupts. dli_top runs on the first of the two blank lines above the level,
; dli_half on the last scan line of each upper half, dli_row on the last scan line of each lower
; half but the last. Writes after WSYNC land in the horizontal blank. The first line of a mode 4
; row leaves the processor only a few cycles there before ANTIC takes the bus for the row's
; characters, too few for the character base and five colours: so dli_half writes the next row's
; values and registers into dli_row's own instructions (changed colours first, see makeplan), and
; dli_row only stores them.
; ---------------------------------------------------------------------------------------------
dli_top:
        pha
        lda #>bank1                     ; blank lines show no characters and no playfield colour
        sta CHBASE
        lda nxcol + 1
        sta COLPF0
        lda nxcol + 2
        sta COLPF1
        lda nxcol + 3
        sta COLPF2
        lda nxcol + 4
        sta COLPF3
        lda nxcol + 0
        sta WSYNC                       ; end of the first blank line
        sta WSYNC                       ; end of the second: the border turns with row 0
        sta COLBK
        lda #<dli_half
        sta VDSLST
        lda #>dli_half
        sta VDSLST+1
        pla
        rti

dli_row:
        pha
        txa
        pha
        tya
        pha
        ldy #>bank1
        lda #0                          ; first value of the plan
rowv0 = * - 1
        ldx #0                          ; second
rowv1 = * - 1
        sta WSYNC
        sty CHBASE
        sta COLBK
rowr0 = * - 2
        stx COLBK
rowr1 = * - 2
        lda #0
rowv2 = * - 1
        sta COLBK
rowr2 = * - 2
        lda #0
rowv3 = * - 1
        sta COLBK
rowr3 = * - 2
        lda #0
rowv4 = * - 1
        sta COLBK
rowr4 = * - 2
        lda #<dli_half
        sta VDSLST
        lda #>dli_half
        sta VDSLST+1
        pla
        tay
        pla
        tax
        pla
        rti

dli_half:
        pha
        lda #>bank2
        sta WSYNC
        sta CHBASE
        txa
        pha
        ldx dlrow                       ; the next row's plan into dli_row
        inx
        stx dlrow
        cpx #ROWS
        bcs @last
        lda planrow,x
        tax
        .repeat 5, k
        lda plan + k,x
        sta .ident(.sprintf("rowr%d", k))
        lda plan + 5 + k,x
        sta .ident(.sprintf("rowv%d", k))
        .endrepeat
@last:  lda #<dli_row
        sta VDSLST
        lda #>dli_row
        sta VDSLST+1
        pla
        tax
        pla
        rti

planrow:                                ; offset of each row's plan
        .repeat ROWS, r
        .byte 10 * r
        .endrepeat
