#!/usr/bin/env bash
# Renders PNG previews of the generated pictures (the colour key shown as grey), enlarged.
# usage: assets/art/tools/preview.sh GAME_DIR OUT_DIR
set -euo pipefail
game=$1 out=$2
mkdir -p "$out"
d=$game/Data/Data
show() {  # file name scale [crop]
  local src=$1 name=$2 scale=$3 crop=${4:-}
  if [[ -n $crop ]]; then
    convert "$src" -crop "$crop" +repage -fill '#8a8aa8' -opaque black -scale "$scale%" "$out/$name.png"
  else
    convert "$src" -fill '#8a8aa8' -opaque black -scale "$scale%" "$out/$name.png"
  fi
}
show "$d/Player.bmp" zinto-a 300 80x456+0+0
show "$d/Player.bmp" zinto-b 300 80x456+0+456
show "$d/Player.bmp" zinto-c 300 80x423+0+912
show "$d/Player2.bmp" kubo-a 300 86x400+0+0
show "$d/Player2.bmp" kubo-b 300 86x400+0+400
show "$d/Player2.bmp" kubo-c 300 86x384+0+800
show "$d/Zloop.bmp" zloop 200
show "$d/Kloop2.bmp" kloop 200
show "$d/Title/ZK.bmp" zk 200
show "$d/R1/PVL1.bmp" pvl1 100
show "$d/R1/PVL2.bmp" pvl2 100
show "$d/R1/PVL3.bmp" pvl3 100
show "$d/R2/AML1.bmp" aml1 100
show "$d/R2/AML2.bmp" aml2 100
show "$d/R2/AML3.bmp" aml3 100
show "$d/R1/Sprited.bmp" spr1 200
show "$d/R2/Sprited.bmp" spr2 200
show "$d/Spriteg2.bmp" common 300
show "$d/Shields.bmp" shields 150 72x960+0+0
show "$d/LevE.bmp" sign 300
show "$d/EPod.bmp" epod 300
show "$d/Zbar.bmp" zbar 200
show "$d/Otext.bmp" otext 200
for f in Obar Owng Otxt1 Vesk; do show "$d/Title/$f.bmp" "title-$f" 200; done
for f in Zone1Zinto Zone1Kubo Zone2Zinto Zone2Kubo; do show "$d/Save/$f.bmp" "save-$f" 200; done
show "$game/Ringdepth/back.bmp" ring-back 100
show "$game/Ringdepth/ring.bmp" ring-ring 300
